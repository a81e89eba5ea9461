#pragma once
// Draws a list's cells: the model paints the background of every unselected row (its
// CellBackgroundPaint hook), selected rows keep the platform's selection look, and
// rows take the model's row height. Without a focus ring the current row carries no
// focus mark; grid lines are drawn when the model asks for them.

#include <QStyledItemDelegate>

#include "framework/Backend.h"

namespace fw::qt {

class QtListDelegate : public QStyledItemDelegate {
public:
    QtListDelegate(PeerId control, BackendHost& host, QObject* parent);

    // -1: the platform's standard height.
    void SetRowHeight(int height) { rowHeight_ = height; }
    // Whether the current row shows the focus mark, and the grid-line styles
    // (ControlState's values).
    void SetLook(bool focusRing, int horizontalLines, int verticalLines) {
        focusRing_ = focusRing;
        horizontalLines_ = horizontalLines;
        verticalLines_ = verticalLines;
    }
    void Detach() { detached_ = true; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void PaintGridLines(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const;

    PeerId control_;
    BackendHost& host_;
    int rowHeight_{-1};
    bool focusRing_{true};
    int horizontalLines_{0};
    int verticalLines_{0};
    bool detached_{false};
};

}  // namespace fw::qt
