#include "QtControlPeer.h"

#include <QFont>

#include "QtConversions.h"

namespace fw::qt {

QtControlPeer::QtControlPeer(PeerId window, PeerId id, QWidget* widget)
    : window_(window), id_(id), widget_(widget) {}

QtControlPeer::~QtControlPeer() {
    for (const auto& connection : connections_) {
        QObject::disconnect(connection);
    }
    if (widget_) {
        // Later, not now: the model may destroy a control from inside its own signal.
        widget_->hide();
        widget_->deleteLater();
    }
}

void QtControlPeer::Keep(QMetaObject::Connection connection) {
    connections_.push_back(std::move(connection));
}

void QtControlPeer::Update(const ControlState& state) {
    if (!widget_) {
        return;
    }
    widget_->setGeometry(ToQRect(state.Bounds));
    widget_->setEnabled(state.Enabled);
    widget_->setToolTip(ToQString(state.Tooltip));
    QFont font = widget_->parentWidget() != nullptr ? widget_->parentWidget()->font() : QFont();
    if (state.FontName != "System" && !state.FontName.empty()) {
        font.setFamily(ToQString(state.FontName));
    }
    if (state.FontSize > 0) {
        font.setPointSizeF(state.FontSize);
    }
    font.setBold(state.Bold);
    font.setItalic(state.Italic);
    font.setUnderline(state.Underline);
    widget_->setFont(font);
    UpdateOwn(state);
    widget_->setVisible(state.Visible);
}

}  // namespace fw::qt
