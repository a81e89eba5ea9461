#include "QtListDelegate.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

#include "QtConversions.h"
#include "framework/Graphics.h"
#include "framework/Picture.h"

namespace fw::qt {

QtListDelegate::QtListDelegate(PeerId control, BackendHost& host, QObject* parent)
    : QStyledItemDelegate(parent), control_(control), host_(host) {}

void QtListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    const QRect cell = option.rect;
    if (!detached_ && cell.width() > 0 && cell.height() > 0) {
        const auto picture =
            New<Picture>(std::min(cell.width(), static_cast<int>(Picture::kMaxSize)),
                         std::min(cell.height(), static_cast<int>(Picture::kMaxSize)));
        host_.ListCellBackgroundPaint(control_, index.row(), index.column(), picture->Graphics());
        if (!(option.state & QStyle::State_Selected)) {
            painter->drawImage(cell.topLeft(), ToQImage(picture));
        }
    }
    QStyleOptionViewItem look(option);
    if (!focusRing_) {
        look.state &= ~QStyle::State_HasFocus;
    }
    QStyledItemDelegate::paint(painter, look, index);
    PaintGridLines(painter, option, index);
}

void QtListDelegate::PaintGridLines(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    // 0 and 1 draw none; 2 dotted, 4 two pixels wide, the rest a thin solid line.
    const auto penFor = [&](int style) {
        QPen pen(option.palette.color(QPalette::Mid));
        pen.setStyle(style == 2 ? Qt::DotLine : Qt::SolidLine);
        pen.setWidth(style == 4 ? 2 : 1);
        return pen;
    };
    const QRect cell = option.rect;
    painter->save();
    if (horizontalLines_ >= 2) {
        painter->setPen(penFor(horizontalLines_));
        painter->drawLine(cell.bottomLeft(), cell.bottomRight());
    }
    const int columns = index.model() != nullptr ? index.model()->columnCount() : 1;
    if (verticalLines_ >= 2 && index.column() < columns - 1) {
        painter->setPen(penFor(verticalLines_));
        painter->drawLine(cell.topRight(), cell.bottomRight());
    }
    painter->restore();
}

QSize QtListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (rowHeight_ > 0) {
        size.setHeight(rowHeight_);
    }
    return size;
}

}  // namespace fw::qt
