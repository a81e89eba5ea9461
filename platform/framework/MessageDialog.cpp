#include "MessageDialog.h"

#include <cstdio>

#include "Runtime.h"
#include "UiRuntime.h"
#include "Window.h"

namespace fw {

namespace {

DialogButtonState StateOf(const Ref<MessageDialogButton>& button) {
    if (!button) {
        return DialogButtonState{"", false};
    }
    return DialogButtonState{button->Caption, button->Visible};
}

}  // namespace

Ref<MessageDialogButton> MessageDialog::ShowModal() {
    return ShowModalWithin(nullptr);
}

Ref<MessageDialogButton> MessageDialog::ShowModalWithin(const Ref<Window>& parent) {
    RequireMainThread();
    DialogRequest request;
    request.Icon = Icon;
    request.Title = Title;
    request.Message = Message;
    request.Explanation = Explanation;
    request.ActionButton = StateOf(ActionButton);
    request.CancelButton = StateOf(CancelButton);
    request.AlternateActionButton = StateOf(AlternateActionButton);
    if (parent && parent->IsOpen()) {
        request.Parent = parent->Id();
    }
    Backend* backend = UiRuntime::Get().ActiveBackend();
    if (!backend) {
        // No display yet: the message still reaches someone.
        std::fprintf(stderr, "%s\n%s\n", Message.c_str(), Explanation.c_str());
        return ActionButton;
    }
    UiRuntime::Get().FlushPendingUpdates();  // the window shows its state behind the alert
    switch (backend->ShowDialog(request)) {
        case DialogResult::Cancel:
            return CancelButton;
        case DialogResult::Alternate:
            return AlternateActionButton;
        case DialogResult::Action:
            break;
    }
    return ActionButton;
}

}  // namespace fw
