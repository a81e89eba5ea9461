#include "QtWindowPeer.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "QtContentView.h"
#include "QtConversions.h"
#include "QtDropData.h"
#include "QtMenuBarMirror.h"

namespace fw::qt {

namespace {

Qt::WindowFlags FlagsFor(const WindowState& state) {
    Qt::WindowFlags flags = Qt::Window;
    if (state.HasCloseButton && state.HasMinimizeButton && state.HasMaximizeButton) {
        return flags;
    }
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (state.HasCloseButton) {
        flags |= Qt::WindowCloseButtonHint;
    }
    if (state.HasMinimizeButton) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (state.HasMaximizeButton) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

int ClampToWidgetSize(int value) {
    return std::clamp(value, 0, QWIDGETSIZE_MAX);
}

}  // namespace

QtWindowPeer::QtWindowPeer(PeerId id, const WindowState& state, BackendHost& host)
    : QWidget(nullptr, FlagsFor(state)),
      id_(id),
      host_(host),
      content_(new QtContentView(id, host, this)) {
    setWindowTitle(ToQString(state.Title));
    content_->SetBackground(state.HasBackgroundColor, state.BackgroundColor);
    minWidth_ = state.MinimumWidth;
    minHeight_ = state.MinimumHeight;
    maxWidth_ = state.MaximumWidth;
    maxHeight_ = state.MaximumHeight;
    resizeable_ = state.Resizeable;
    SetContentFrame(state.Frame);
}

QtWindowPeer::~QtWindowPeer() = default;

void QtWindowPeer::Detach() {
    detached_ = true;
    content_->Detach();
    hide();
}

int QtWindowPeer::MenuHeight() const {
    if (!mirror_ || mirror_->Widget() == nullptr) {
        return 0;
    }
    // A narrow window wraps its menu bar onto more lines.
    const int wrapped = mirror_->Widget()->heightForWidth(std::max(width(), 1));
    return wrapped > 0 ? wrapped : mirror_->Widget()->sizeHint().height();
}

PeerRect QtWindowPeer::ContentFrame() const {
    const int menu = MenuHeight();
    const QRect outer = geometry();
    return PeerRect{outer.x(), outer.y() + menu, outer.width(), outer.height() - menu};
}

void QtWindowPeer::SetContentFrame(const PeerRect& frame) {
    const int menu = MenuHeight();
    knownFrame_ = frame;
    applying_ = true;
    if (!resizeable_) {
        // A fixed-size window still takes the sizes the model gives it.
        setFixedSize(ClampToWidgetSize(frame.Width), ClampToWidgetSize(frame.Height + menu));
    }
    setGeometry(frame.Left, frame.Top - menu, frame.Width, frame.Height + menu);
    applying_ = false;
    ApplySizeLimits();
    LayoutChildren();
}

void QtWindowPeer::SetSizeLimits(int minWidth, int minHeight, int maxWidth, int maxHeight) {
    minWidth_ = minWidth;
    minHeight_ = minHeight;
    maxWidth_ = maxWidth;
    maxHeight_ = maxHeight;
    ApplySizeLimits();
}

void QtWindowPeer::SetResizeable(bool resizeable) {
    resizeable_ = resizeable;
    ApplySizeLimits();
}

void QtWindowPeer::ApplySizeLimits() {
    const int menu = MenuHeight();
    applying_ = true;
    if (resizeable_) {
        setMinimumSize(ClampToWidgetSize(minWidth_), ClampToWidgetSize(minHeight_ + menu));
        setMaximumSize(ClampToWidgetSize(maxWidth_), ClampToWidgetSize(maxHeight_ + menu));
    } else {
        setFixedSize(size());
    }
    applying_ = false;
    // A limit may have changed the size the model set.
    ReportFrame();
}

void QtWindowPeer::ShowMenuBar(const Ref<MenuBar>& bar) {
    if (mirror_ ? mirror_->Bar() == bar : bar.IsNil()) {
        return;
    }
    mirror_.reset();
    if (bar) {
        mirror_ = std::make_unique<QtMenuBarMirror>(this, bar, host_);
        mirror_->Widget()->show();
    }
    // The content keeps its place; the window grows or shrinks around it.
    SetContentFrame(knownFrame_);
}

void QtWindowPeer::SetAcceptsFileDrops(bool accepts) {
    setAcceptDrops(accepts);
}

void QtWindowPeer::ToggleZoom() {
    if (isMaximized()) {
        showNormal();
    } else {
        showMaximized();
    }
}

void QtWindowPeer::LayoutChildren() {
    const int menu = MenuHeight();
    if (mirror_ && mirror_->Widget() != nullptr) {
        mirror_->Widget()->setGeometry(0, 0, width(), menu);
    }
    content_->setGeometry(0, menu, width(), std::max(height() - menu, 0));
}

void QtWindowPeer::ReportFrame() {
    if (detached_ || applying_) {
        return;
    }
    const PeerRect frame = ContentFrame();
    if (frame == knownFrame_) {
        return;
    }
    knownFrame_ = frame;
    host_.WindowFrameChanged(id_, frame);
}

void QtWindowPeer::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    ReportFrame();
}

void QtWindowPeer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutChildren();
    ReportFrame();
}

void QtWindowPeer::closeEvent(QCloseEvent* event) {
    if (detached_) {
        event->accept();
        return;
    }
    // The model decides; it destroys the peer when the window really closes.
    event->ignore();
    host_.WindowCloseRequested(id_);
}

void QtWindowPeer::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        // Return presses the window's default button, as on the Mac.
        for (QPushButton* button : content_->findChildren<QPushButton*>()) {
            if (button->isDefault() && button->isVisible() && button->isEnabled()) {
                button->click();
                event->accept();
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

void QtWindowPeer::dragEnterEvent(QDragEnterEvent* event) {
    dragAccepted_ = false;
    if (detached_) {
        event->ignore();
        return;
    }
    const Qt::DropAction action = DropActionFor(event->possibleActions());
    const std::vector<std::string> paths =
        action == Qt::IgnoreAction ? std::vector<std::string>{} : DroppedPaths(event->mimeData());
    dragAccepted_ = !paths.empty() && host_.WindowAcceptsDrop(id_, paths);
    if (dragAccepted_) {
        event->setDropAction(action);
        event->accept();
    } else {
        event->ignore();
    }
}

void QtWindowPeer::dragMoveEvent(QDragMoveEvent* event) {
    const Qt::DropAction action = DropActionFor(event->possibleActions());
    if (dragAccepted_ && action != Qt::IgnoreAction) {
        event->setDropAction(action);
        event->accept();
    } else {
        event->ignore();
    }
}

void QtWindowPeer::dragLeaveEvent(QDragLeaveEvent* event) {
    dragAccepted_ = false;
    QWidget::dragLeaveEvent(event);
}

void QtWindowPeer::dropEvent(QDropEvent* event) {
    const bool accepted = dragAccepted_;
    dragAccepted_ = false;
    if (detached_ || !accepted) {
        event->ignore();
        return;
    }
    const Qt::DropAction action = DropActionFor(event->possibleActions());
    const std::vector<std::string> paths = DroppedPaths(event->mimeData());
    if (paths.empty() || action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
    host_.WindowFilesDropped(id_, paths);
}

}  // namespace fw::qt
