#include "Label.h"

#include "Runtime.h"

namespace fw {

void Label::Text(const std::string& value) {
    RequireMainThread();
    text_ = value;
    Refresh_();
}

void Label::FillState(ControlState& state) const {
    state.Kind = ControlKind::Label;
    state.Text = text_;
    state.Multiline = Multiline;
    state.TextAlignment = TextAlignment;
    state.TextColor = TextColor.Value();
}

}  // namespace fw
