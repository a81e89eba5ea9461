// The font run: each listed font goes into the folder named after its family.
#include "app/AFDKO.h"
#include "app/App.h"
#include "app/General.h"
#include "app/Localized.h"
#include "framework/Shell.h"
#include "framework/Strings.h"
#include "window/NameRecords.h"
#include "window/Window1.h"

void Window1::PushButtonRun_Action(fw::Ref<fw::PushButton> sender) {
    static_cast<void>(sender);
    fw::Ref<myListBox> list = ListBox1();
    const std::int64_t last = list->ListCount() - 1;
    if (last == -1) {
        return;
    }
    for (std::int64_t row = 0; row <= last; ++row) {
        fw::Ref<fw::FolderItem> f = list->RowTag(row).As<fw::FolderItem>();
        if (f && f->Exists()) {
            Run(f);
        }
    }
    General::ShowAlertQuit(Localized::Completed(""), "", nullptr);
}

void Window1::Run(const fw::Ref<fw::FolderItem>& f) {
    auto shell = fw::New<fw::Shell>();
    shell->Execute(AFDKO::spot->ShellPath() + " -t name=3 " + f->ShellPath());
    if (shell->ErrorCode() != 0) {
        return;
    }
    const std::string out = shell->ReadAll();
    if (fw::LenB(out) == 0) {
        return;
    }
    const std::vector<std::string> lines = fw::Split(out, fw::EndOfLine::UNIX);
    if (lines.size() == 1) {
        return;
    }
    const std::string chosen = NameRecords::ChooseFamilyName(lines);
    if (fw::LenB(chosen) == 0) {
        return;
    }
    const std::string name = App()->DecodeUnicode(chosen);

    // Child refuses a name that would lead outside the font's folder.
    fw::Ref<fw::FolderItem> folder = f->Parent()->Child(name, true);
    if (!folder) {
        return;
    }
    if (!folder->Exists()) {
        folder->CreateAsFolder();
        if (!folder->Exists()) {
            return;
        }
    }
    // MoveFileTo never replaces an existing item: a font already there stays put.
    static_cast<void>(f->MoveFileTo(folder->Child(f->Name(), true)));
}
