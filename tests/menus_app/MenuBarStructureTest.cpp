// The menu bar as built: its menus and items, their classes, captions and shortcuts,
// and the one shared instance.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "framework/ApplicationMenuItem.h"
#include "framework/QuitMenuItem.h"
#include "framework/Runtime.h"
#include "menus/CocoaMenu.h"
#include "menus/MainMenuBar.h"

namespace {

struct Row {
    const char* menu;
    const char* name;
    const char* className;
    const char* caption;
    std::optional<std::string> shortcut;
    bool separator{false};
};

const std::optional<std::string> kNone = std::nullopt;

// The bar as the program's users see it, menu by menu in order.
const std::vector<Row>& Table() {
    static const std::vector<Row> rows{
        {"FileMenu", "FileClose", "CocoaMenu.CocoaMenuItemClose", "Close", "Cmd+W"},
        {"FileMenu", "AppAbout", "ApplicationMenuItem", "About", kNone},
        {"FileMenu", "FileSeparator1", "ApplicationMenuItem", "-", kNone, true},
        {"FileMenu", "FileQuit", "QuitMenuItem", "Quit", "Cmd+Q"},
        {"EditMenu", "EditUndo", "CocoaMenu.CocoaMenuItemUndo", "&Undo", "Cmd+Z"},
        {"EditMenu", "EditRedo", "CocoaMenu.CocoaMenuItemRedo", "Redo", "Cmd+Shift+Z"},
        {"EditMenu", "EditSeparator1", "MenuItem", "-", kNone, true},
        {"EditMenu", "EditCut", "MenuItem", "Cut", "Cmd+X"},
        {"EditMenu", "EditCopy", "MenuItem", "Copy", "Cmd+C"},
        {"EditMenu", "EditPaste", "MenuItem", "Paste", "Cmd+V"},
        {"EditMenu", "EditClear", "MenuItem", "Delete", kNone},
        {"EditMenu", "EditSelectAll", "CocoaMenu.CocoaMenuItemSelectAll", "Select All", "Cmd+A"},
        {"EditMenu", "UntitledSeparator", "MenuItem", "-", kNone, true},
        {"EditMenu", "EditFind", "CocoaMenu.CocoaMenuItemFind", "Find...", "Cmd+F"},
        {"WindowMenu", "WindowMinimize", "CocoaMenu.MenuItemMinimize", "Minimize", "Cmd+M"},
        {"WindowMenu", "WindowZoom", "CocoaMenu.MenuItemZoom", "Zoom", kNone},
        {"WindowMenu", "WindowSeparator1", "MenuItem", "-", kNone, true},
        {"WindowMenu", "WindowBringAlltoFront", "CocoaMenu.MenuItemBringAllToFront",
         "Bring All to Front", kNone},
    };
    return rows;
}

struct MenuRow {
    const char* name;
    const char* caption;
};

const std::vector<MenuRow> kMenus{
    {"FileMenu", "File"}, {"EditMenu", "Edit"}, {"WindowMenu", "Window"}, {"HelpMenu", "Help"}};

class MenuBarStructureTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::unsetenv("LANGUAGE");
        ::setenv("LANG", "C", 1);
        // A fresh run: the bar's instance starts as Nil again.
        fw::RuntimeInit();
        fw::RuntimePerformInitializers();
    }
};

TEST_F(MenuBarStructureTest, FourMenusInOrderWithTheirCaptions) {
    ASSERT_EQ(MainMenuBar::_implicitInstance, nullptr);
    fw::Ref<class MainMenuBar> bar = MainMenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->ClassName(), "MainMenuBar.MainMenuBar");
    ASSERT_EQ(bar->Count(), 4);
    for (std::size_t i = 0; i < kMenus.size(); ++i) {
        SCOPED_TRACE(kMenus[i].name);
        fw::Ref<fw::MenuItem> menu = bar->Item(static_cast<std::int64_t>(i));
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->Name(), kMenus[i].name);
        EXPECT_EQ(menu->ClassName(), "MenuItem");
        EXPECT_EQ(menu->Text(), kMenus[i].caption);
        EXPECT_TRUE(menu->ShortcutAssigned());
        EXPECT_EQ(menu->Shortcut(), kNone);
        EXPECT_TRUE(menu->AutoEnabled());
        EXPECT_TRUE(menu->Visible());
        EXPECT_EQ(menu->Parent(), bar);
    }
    EXPECT_EQ(bar->Child("HelpMenu")->Count(), 0);
}

TEST_F(MenuBarStructureTest, EveryMenuHoldsItsItemsInOrder) {
    fw::Ref<class MainMenuBar> bar = MainMenuBar();
    for (const auto& menu : kMenus) {
        SCOPED_TRACE(menu.name);
        std::vector<std::string> expected;
        for (const auto& row : Table()) {
            if (std::string(row.menu) == menu.name) {
                expected.push_back(row.name);
            }
        }
        fw::Ref<fw::MenuItem> m = bar->Child(menu.name);
        ASSERT_NE(m, nullptr);
        std::vector<std::string> actual;
        for (std::int64_t i = 0; i < m->Count(); ++i) {
            actual.push_back(m->Item(i)->Name());
            EXPECT_EQ(m->Item(i)->Count(), 0) << "items have no submenus";
        }
        EXPECT_EQ(actual, expected);
    }
}

TEST_F(MenuBarStructureTest, ItemsHaveTheirClassCaptionAndShortcut) {
    fw::Ref<class MainMenuBar> bar = MainMenuBar();
    for (const auto& row : Table()) {
        SCOPED_TRACE(row.name);
        fw::Ref<fw::MenuItem> item = bar->Child(row.menu)->Child(row.name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->ClassName(), row.className);
        EXPECT_EQ(item->Text(), row.caption);
        EXPECT_EQ(item->IsSeparator(), row.separator);
        EXPECT_TRUE(item->AutoEnabled());
        EXPECT_TRUE(item->Visible());
        // Separators get no shortcut assignment at all; every other item gets one, of
        // none where it has no shortcut.
        EXPECT_EQ(item->ShortcutAssigned(), !row.separator);
        EXPECT_EQ(item->Shortcut(), row.shortcut);

        const bool cocoa = std::string(row.className).starts_with("CocoaMenu.");
        EXPECT_EQ(fw::TryCast<CocoaMenu::CocoaMenuItem>(item) != nullptr, cocoa);
        EXPECT_EQ(item->QuitsApplication(), std::string(row.name) == "FileQuit");
    }
    // The classes the rest of the program casts to.
    EXPECT_NE(fw::TryCast<fw::QuitMenuItem>(bar->Lookup_("FileQuit")), nullptr);
    EXPECT_NE(fw::TryCast<fw::ApplicationMenuItem>(bar->Lookup_("AppAbout")), nullptr);
    EXPECT_NE(fw::TryCast<fw::ApplicationMenuItem>(bar->Lookup_("FileSeparator1")), nullptr);
    EXPECT_NE(fw::TryCast<CocoaMenu::CocoaMenuItemFindAbstract>(bar->Lookup_("EditFind")), nullptr);
    EXPECT_EQ(fw::TryCast<fw::ApplicationMenuItem>(bar->Lookup_("EditSeparator1")), nullptr);
    // Three full stops, not an ellipsis character.
    EXPECT_EQ(bar->Lookup_("EditFind")->Text().size(), 7u);
}

TEST_F(MenuBarStructureTest, TwentyTwoDistinctNames) {
    fw::Ref<class MainMenuBar> bar = MainMenuBar();
    std::vector<std::string> names;
    for (std::int64_t i = 0; i < bar->Count(); ++i) {
        names.push_back(bar->Item(i)->Name());
        for (std::int64_t j = 0; j < bar->Item(i)->Count(); ++j) {
            names.push_back(bar->Item(i)->Item(j)->Name());
        }
    }
    EXPECT_EQ(names.size(), 22u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 22u);
    for (const auto& name : names) {
        EXPECT_EQ(bar->Lookup_(name)->Name(), name);
    }
}

TEST_F(MenuBarStructureTest, TheAccessorBuildsOnceAndKeepsTheBar) {
    fw::Ref<class MainMenuBar> first = MainMenuBar();
    EXPECT_EQ(MainMenuBar::_implicitInstance, first);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(MainMenuBar(), first);
    }
    // Nothing was built twice.
    EXPECT_EQ(first->Count(), 4);
    EXPECT_EQ(first->Child("EditMenu")->Count(), 10);
    // Dropping the caller's references leaves the bar alive in the instance.
    fw::MenuItem* raw = first.Get();
    first = nullptr;
    EXPECT_EQ(MainMenuBar().Get(), raw);
}

TEST_F(MenuBarStructureTest, ANewRunBuildsANewBar) {
    fw::Ref<class MainMenuBar> first = MainMenuBar();
    first->Lookup_("AppAbout")->SetText("About Tessary");
    fw::RuntimeInit();
    fw::RuntimePerformInitializers();
    EXPECT_EQ(MainMenuBar::_implicitInstance, nullptr);
    fw::Ref<class MainMenuBar> second = MainMenuBar();
    EXPECT_NE(second, first);
    EXPECT_EQ(second->Count(), 4);
    EXPECT_EQ(second->Lookup_("AppAbout")->Text(), "About");
}

}  // namespace
