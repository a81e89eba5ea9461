#pragma once
// A list of rows with one or more columns, row pictures and the model's row
// backgrounds. The user's selection changes and double-clicks go to the model.

#include <QTreeWidget>
#include <vector>

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
    void RebuildRows(const std::vector<ListRowState>& rows);
    void ShowRow(QTreeWidgetItem* item, const ListRowState& row, const ListRowState* shown);
    void ShowSelection(const std::vector<ListRowState>& rows);
    // Selects exactly these rows (sorted, no repeats, all in range) in one change.
    void SelectRows(const std::vector<int>& sortedRows);

    BackendHost& host_;
    QPointer<QTreeWidget> tree_;
    QtListDelegate* delegate_;
    int columnCount_{1};
    // The rows as last shown, to change only the items whose row changed.
    std::vector<ListRowState> shown_;
    bool applying_{false};
};

}  // namespace fw::qt
