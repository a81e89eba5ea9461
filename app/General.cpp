#include "app/General.h"

#include "app/App.h"
#include "cocoa/Cocoa.h"
#include "framework/MessageDialog.h"
#include "text/Localizable.h"

namespace General {

void ShowAlertQuit(const std::string& message, const std::string& explanation,
                   const fw::Ref<fw::Window>& parent) {
    auto dialog = fw::New<fw::MessageDialog>();
    dialog->Icon = 1;
    dialog->ActionButton->Caption = kQuit("");
    dialog->CancelButton->Visible = false;
    dialog->AlternateActionButton->Visible = false;
    dialog->Message = message;
    dialog->Explanation = explanation;
    BringFrontmostMe();
    if (!parent) {
        dialog->ShowModal();
    } else {
        dialog->ShowModalWithin(parent);
    }
    App()->Quit(0);
}

void BringFrontmostMe() {
    using namespace cocoa;
    id app = SendId(NSClassFromString("NSApplication"), NSSelectorFromString("sharedApplication"));
    objc_msgSend(app, NSSelectorFromString("activateIgnoringOtherApps:"), {YES});
}

std::string kQuit(const std::string& language) {
    return LocalizedText("General.kQuit", "Quit", language);
}

}  // namespace General
