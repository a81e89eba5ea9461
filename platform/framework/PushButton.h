#pragma once
// A push button.

#include <functional>
#include <string>

#include "RectControl.h"

namespace fw {

class PushButton : public RectControl {
public:
    std::string ClassName() const override { return "PushButton"; }

    const std::string& Caption() const { return caption_; }
    void Caption(const std::string& value);
    bool Default() const { return default_; }
    void Default(bool value);
    bool Cancel() const { return cancel_; }
    void Cancel(bool value);
    int MacButtonStyle{0};

    // Connected handler of the Action event (the button was pressed).
    std::function<void(Ref<PushButton>)> Action;
    // Presses the button: raises Action.
    void Push();

    // Framework internals: a click reported by the backend; ignored while the button
    // is disabled or hidden.
    void PeerClicked_();

protected:
    void FillState(ControlState& state) const override;

private:
    std::string caption_{"Untitled"};
    bool default_{false};
    bool cancel_{false};
};

}  // namespace fw
