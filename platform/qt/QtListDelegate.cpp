#include "QtListDelegate.h"

#include <QPainter>
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
    QStyledItemDelegate::paint(painter, option, index);
}

QSize QtListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (rowHeight_ > 0) {
        size.setHeight(rowHeight_);
    }
    return size;
}

}  // namespace fw::qt
