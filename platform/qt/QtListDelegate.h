#pragma once
// Draws a list's cells: the model paints the background of every unselected row (its
// CellBackgroundPaint hook), selected rows keep the platform's selection look, and
// rows take the model's row height.

#include <QStyledItemDelegate>

#include "framework/Backend.h"

namespace fw::qt {

class QtListDelegate : public QStyledItemDelegate {
public:
    QtListDelegate(PeerId control, BackendHost& host, QObject* parent);

    // -1: the platform's standard height.
    void SetRowHeight(int height) { rowHeight_ = height; }
    void Detach() { detached_ = true; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    PeerId control_;
    BackendHost& host_;
    int rowHeight_{-1};
    bool detached_{false};
};

}  // namespace fw::qt
