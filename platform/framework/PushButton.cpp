#include "PushButton.h"

#include "Runtime.h"
#include "UiRuntime.h"

namespace fw {

void PushButton::Caption(const std::string& value) {
    RequireMainThread();
    caption_ = value;
    Refresh_();
}

void PushButton::Default(bool value) {
    RequireMainThread();
    default_ = value;
    Refresh_();
}

void PushButton::Cancel(bool value) {
    RequireMainThread();
    cancel_ = value;
    Refresh_();
}

void PushButton::Push() {
    RequireMainThread();
    if (Action) {
        auto handler = Action;  // the handler may replace itself
        handler(Cast<PushButton>(Self()));
    }
}

void PushButton::PeerClicked_() {
    if (!Enabled() || !Visible()) {
        return;
    }
    auto self = Cast<PushButton>(Self());
    UiRuntime::Get().RaiseEvent([&] { self->Push(); });
}

void PushButton::FillState(ControlState& state) const {
    state.Kind = ControlKind::PushButton;
    state.Caption = caption_;
    state.Default = default_;
    state.Cancel = cancel_;
}

}  // namespace fw
