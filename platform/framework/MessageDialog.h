#pragma once
// A modal alert with a message, an explanation and up to three buttons.

#include <string>

#include "MessageDialogButton.h"
#include "Object.h"

namespace fw {

class Window;

class MessageDialog : public Object {
public:
    static constexpr int kIconNote = 0;
    static constexpr int kIconCaution = 1;
    static constexpr int kIconStop = 2;
    static constexpr int kIconQuestion = 3;

    std::string ClassName() const override { return "MessageDialog"; }

    int Icon{kIconNote};
    std::string Title;
    std::string Message;
    std::string Explanation;
    // Shown: "OK". Hidden until made visible: "Cancel" and "Don't Save".
    Ref<MessageDialogButton> ActionButton{New<MessageDialogButton>("OK", true)};
    Ref<MessageDialogButton> CancelButton{New<MessageDialogButton>("Cancel", false)};
    Ref<MessageDialogButton> AlternateActionButton{New<MessageDialogButton>("Don't Save", false)};

    // Shows the dialog application-modal and returns the button pressed.
    Ref<MessageDialogButton> ShowModal();
    // Shows the dialog attached to parent (application-modal when parent is Nil) and
    // returns the button pressed.
    Ref<MessageDialogButton> ShowModalWithin(const Ref<Window>& parent);
};

}  // namespace fw
