#include "menus/MainMenuBar.h"

#include <optional>

#include "framework/ApplicationMenuItem.h"
#include "framework/QuitMenuItem.h"
#include "framework/Runtime.h"
#include "menus/CocoaMenu.h"
#include "menus/LocalizedMenu.h"

fw::Ref<class MainMenuBar> MainMenuBar::_implicitInstance;

namespace {

const bool kRegistered = [] {
    fw::RegisterInitializer([] { MainMenuBar::_implicitInstance = nullptr; });
    return true;
}();

}  // namespace

fw::Ref<class MainMenuBar> MainMenuBar() {
    if (!MainMenuBar::_implicitInstance) {
        auto bar = fw::New<class MainMenuBar>();
        bar->Constructor();
        MainMenuBar::_implicitInstance = bar;
    }
    return MainMenuBar::_implicitInstance;
}

namespace {

using Shortcut = std::optional<std::string>;

// Every menu and item gets AutoEnabled and Visible; a separator gets no shortcut
// assignment at all.
template <class T>
fw::Ref<T> MakeItem(const std::string& name, const std::string& caption) {
    auto item = fw::New<T>();
    item->SetName(name);
    item->SetAutoEnabled(true);
    item->SetText(caption);
    item->SetVisible(true);
    return item;
}

void BuildMenu(fw::MenuBar& bar, const std::string& name, const std::string& caption) {
    auto menu = MakeItem<fw::MenuItem>(name, caption);
    menu->SetShortcut(std::nullopt);
    bar.AddMenu(menu);
}

template <class T>
void BuildItem(fw::MenuBar& bar, const std::string& menu, const std::string& name,
             const std::string& caption, const Shortcut& shortcut) {
    auto item = MakeItem<T>(name, caption);
    item->SetShortcut(shortcut);
    bar.Child(menu)->AddMenu(item);
}

template <class T>
void BuildSeparator(fw::MenuBar& bar, const std::string& menu, const std::string& name) {
    auto item = MakeItem<T>(name, "-");
    bar.Child(menu)->AddMenu(item);
}

}  // namespace

void MainMenuBar::Constructor() {
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
}

void MainMenuBar::Untitled0() {
    BuildMenu(*this, "FileMenu", LocalizedMenu::kFile(""));
    BuildItem<CocoaMenu::CocoaMenuItemClose>(*this, "FileMenu", "FileClose",
                                           LocalizedMenu::kFileClose(""), "Cmd+W");
    BuildItem<fw::ApplicationMenuItem>(*this, "FileMenu", "AppAbout", "About", std::nullopt);
    BuildSeparator<fw::ApplicationMenuItem>(*this, "FileMenu", "FileSeparator1");
    BuildItem<fw::QuitMenuItem>(*this, "FileMenu", "FileQuit", "Quit", "Cmd+Q");
}

void MainMenuBar::Untitled1() {
    BuildMenu(*this, "EditMenu", LocalizedMenu::kEdit(""));
    BuildItem<CocoaMenu::CocoaMenuItemUndo>(*this, "EditMenu", "EditUndo", "&Undo", "Cmd+Z");
    BuildItem<CocoaMenu::CocoaMenuItemRedo>(*this, "EditMenu", "EditRedo", "Redo", "Cmd+Shift+Z");
    BuildSeparator<fw::MenuItem>(*this, "EditMenu", "EditSeparator1");
    BuildItem<fw::MenuItem>(*this, "EditMenu", "EditCut", LocalizedMenu::kCut(""), "Cmd+X");
    BuildItem<fw::MenuItem>(*this, "EditMenu", "EditCopy", LocalizedMenu::kCopy(""), "Cmd+C");
    BuildItem<fw::MenuItem>(*this, "EditMenu", "EditPaste", LocalizedMenu::kPaste(""), "Cmd+V");
    BuildItem<fw::MenuItem>(*this, "EditMenu", "EditClear", LocalizedMenu::kDelete(""), std::nullopt);
    BuildItem<CocoaMenu::CocoaMenuItemSelectAll>(*this, "EditMenu", "EditSelectAll",
                                               LocalizedMenu::kSelectAll(""), "Cmd+A");
    BuildSeparator<fw::MenuItem>(*this, "EditMenu", "UntitledSeparator");
    BuildItem<CocoaMenu::CocoaMenuItemFind>(*this, "EditMenu", "EditFind", LocalizedMenu::kFind(""),
                                          "Cmd+F");
}

void MainMenuBar::Untitled2() {
    BuildMenu(*this, "WindowMenu", LocalizedMenu::kWindow(""));
    BuildItem<CocoaMenu::MenuItemMinimize>(*this, "WindowMenu", "WindowMinimize",
                                         LocalizedMenu::kMinimize(""), "Cmd+M");
    BuildItem<CocoaMenu::MenuItemZoom>(*this, "WindowMenu", "WindowZoom", LocalizedMenu::kZoom(""),
                                     std::nullopt);
    BuildSeparator<fw::MenuItem>(*this, "WindowMenu", "WindowSeparator1");
    BuildItem<CocoaMenu::MenuItemBringAllToFront>(*this, "WindowMenu", "WindowBringAlltoFront",
                                                LocalizedMenu::kBringAllToFront(""), std::nullopt);
}

void MainMenuBar::Untitled3() {
    BuildMenu(*this, "HelpMenu", LocalizedMenu::kHelp(""));
}
