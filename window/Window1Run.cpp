// The font run: each listed font goes into the folder named after its family.
#include "app/AFDKO.h"
#include "app/App.h"
#include "app/General.h"
#include "app/Localized.h"
#include "framework/Shell.h"
#include "framework/Strings.h"
#include "window/NameRecords.h"
#include "window/RunReport.h"
#include "window/Window1.h"

void Window1::PushButtonRun_Action(fw::Ref<fw::PushButton> sender) {
    static_cast<void>(sender);
    fw::Ref<myListBox> list = ListBox1();
    const std::int64_t last = list->ListCount() - 1;
    if (last == -1) {
        return;
    }
    std::vector<RunReport::Unfiled> unfiled;
    for (std::int64_t row = 0; row <= last; ++row) {
        fw::Ref<fw::FolderItem> f = list->RowTag(row).As<fw::FolderItem>();
        if (!f) {
            continue;
        }
        // Moved or deleted since the drop (by another program, say): it stayed, too.
        if (!f->Exists()) {
            unfiled.push_back({f->Name(), NotFiled::NoLongerThere});
        } else if (const std::optional<NotFiled> reason = Run(f)) {
            // Gone while spot read it or while it moved: that is why it failed.
            unfiled.push_back({f->Name(), f->Exists() ? *reason : NotFiled::NoLongerThere});
        }
    }
    General::ShowAlertQuit(Localized::Completed(""), RunReport::Explanation(unfiled), nullptr);
}

std::optional<NotFiled> Window1::Run(const fw::Ref<fw::FolderItem>& f) {
    // Moved into the family folder, a relative link would point elsewhere.
    const std::string target = f->LinkTarget();
    if (!target.empty() && target.front() != '/') {
        return NotFiled::RelativeLink;
    }
    // spot would wait for ever on a FIFO, say.
    if (!f->IsFile()) {
        return NotFiled::NotAFile;
    }
    auto shell = fw::New<fw::Shell>();
    shell->OutputLimit = AFDKO::spotOutputLimit;
    shell->TimeLimit = AFDKO::spotTimeLimit;
    shell->Execute(AFDKO::spot->ShellPath() + " -t name=3 " + f->ShellPath());
    switch (shell->CutOffReason()) {
        case fw::Shell::CutOff::OutputLimit:
            return NotFiled::OutputTooLarge;
        case fw::Shell::CutOff::TimeLimit:
            return NotFiled::TimedOut;
        case fw::Shell::CutOff::None:
            break;
    }
    if (shell->ErrorCode() != 0) {
        return NotFiled::SpotFailed;
    }
    const std::string out = shell->ReadAll();
    if (fw::LenB(out) == 0) {
        return NotFiled::SpotFailed;
    }
    const std::vector<std::string> lines = fw::Split(out, fw::EndOfLine::UNIX);
    if (lines.size() == 1) {
        return NotFiled::SpotFailed;
    }
    const std::string chosen = NameRecords::ChooseFamilyName(lines);
    if (fw::LenB(chosen) == 0) {
        return NotFiled::NoFamilyName;
    }
    const std::string name = App()->DecodeUnicode(chosen);

    // Child refuses a name that would lead outside the font's folder.
    fw::Ref<fw::FolderItem> folder = f->Parent()->Child(name, true);
    if (!folder) {
        return NotFiled::BadFolderName;
    }
    if (!folder->Exists()) {
        folder->CreateAsFolder();
        if (!folder->Exists()) {
            return NotFiled::FolderNotMade;
        }
    }
    fw::Ref<fw::FolderItem> destination = folder->Child(f->Name(), true);
    if (f->MoveFileTo(destination)) {
        return std::nullopt;
    }
    if (f->MoveFoundSourceChanged()) {
        return NotFiled::ChangedDuringMove;
    }
    // MoveFileTo never replaces an existing item: a font already there stays put.
    if (destination && destination->Exists()) {
        return NotFiled::AlreadyThere;
    }
    return folder->IsFolder() ? NotFiled::MoveFailed : NotFiled::FolderNotMade;
}
