#pragma once
// A list of rows with one or more columns, row pictures and the model's row
// backgrounds. The user's selection changes and double-clicks go to the model.

#include <QTreeWidget>
#include "QtControlPeer.h"

namespace fw::qt {

class QtListDelegate;

class QtListPeer : public QtControlPeer {
public:
    QtListPeer(PeerId window, PeerId id, QWidget* parent, BackendHost& host);
    ~QtListPeer() override;

    void SetRows(const std::vector<ListRowState>& rows);
    void SetSelection(const std::vector<int>& selectedRows);

private:
    void UpdateOwn(const ControlState& state) override;
    void ReportSelection();

    BackendHost& host_;
    QPointer<QTreeWidget> tree_;
    QtListDelegate* delegate_;
    int columnCount_{1};
    bool applying_{false};
};

}  // namespace fw::qt
