#include "app/AFDKO.h"

#include "app/App.h"
#include "framework/MessageDialog.h"
#include "framework/Runtime.h"
#include "framework/SpecialFolder.h"
#include "text/Localizable.h"

namespace AFDKO {

fw::Ref<fw::FolderItem> spot;
std::size_t spotOutputLimit;
std::chrono::milliseconds spotTimeLimit;

namespace {

const bool kRegistered = [] {
    fw::RegisterInitializer([] {
        spot = nullptr;
        spotOutputLimit = 8 << 20;
        spotTimeLimit = std::chrono::minutes(1);
    });
    return true;
}();

}  // namespace

void GetSpot() {
    fw::Ref<fw::FolderItem> resources = fw::SpecialFolder::Resources();
    spot = resources->Child("spot", true);
    // Anything that can't be run (a link to nothing, a folder, a file without execute
    // permission) would fail every font: it counts as missing.
    if (!spot || !spot->IsExecutableFile()) {
        ShowAlertQuit();
    }
}

void ShowAlertQuit() {
    auto dialog = fw::New<fw::MessageDialog>();
    dialog->Icon = 1;
    dialog->ActionButton->Caption = kQuit("");
    dialog->CancelButton->Visible = false;
    dialog->AlternateActionButton->Visible = false;
    dialog->Message = "spot がありません。";
    dialog->Explanation = "終了します。";
    dialog->ShowModal();
    App()->Quit(0);
}

std::string kQuit(const std::string& language) {
    return LocalizedText("AFDKO.kQuit", "Quit", language);
}

}  // namespace AFDKO
