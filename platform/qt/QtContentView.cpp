#include "QtContentView.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "QtConversions.h"
#include "framework/Graphics.h"
#include "framework/Picture.h"

namespace fw::qt {

QtContentView::QtContentView(PeerId window, BackendHost& host, QWidget* parent)
    : QWidget(parent), window_(window), host_(host) {
    setAutoFillBackground(true);
}

void QtContentView::SetBackground(bool hasColor, std::uint32_t color) {
    QPalette palette = parentWidget() != nullptr ? parentWidget()->palette() : QPalette();
    if (hasColor) {
        palette.setColor(QPalette::Window, ToQColor(color));
    }
    setPalette(palette);
}

void QtContentView::paintEvent(QPaintEvent* event) {
    if (detached_ || width() < 1 || height() < 1) {
        return;
    }
    // The model draws into a transparent picture of the content's size, laid over the
    // background that Qt has already filled.
    const auto picture = New<Picture>(std::min(width(), static_cast<int>(Picture::kMaxSize)),
                                      std::min(height(), static_cast<int>(Picture::kMaxSize)));
    std::vector<PeerRect> areas;
    for (const QRect& rect : event->region()) {
        areas.push_back(FromQRect(rect));
    }
    host_.WindowPaint(window_, picture->Graphics(), areas);
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), ToQImage(picture));
}

}  // namespace fw::qt
