#include "QtButtonPeer.h"

#include <QPushButton>

#include "QtConversions.h"

namespace fw::qt {

namespace {

QPushButton* MakeButton(QWidget* parent) {
    auto* button = new QPushButton(parent);
    // Only Return in the window presses the default button, not Return on any button.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

QtButtonPeer::QtButtonPeer(PeerId window, PeerId id, QWidget* parent, BackendHost& host)
    : QtControlPeer(window, id, MakeButton(parent)), button_(static_cast<QPushButton*>(Widget())) {
    Keep(QObject::connect(button_, &QPushButton::clicked, button_,
                          [&host, id] { host.ButtonClicked(id); }));
}

void QtButtonPeer::UpdateOwn(const ControlState& state) {
    if (!button_) {
        return;
    }
    button_->setText(ToQString(state.Caption));
    button_->setDefault(state.Default);
}

}  // namespace fw::qt
