#include "framework/MenuBar.h"

#include "AppKitFixture.h"

namespace cocoa::test {
namespace {

fw::Ref<fw::MenuItem> Item(const fw::Ref<fw::MenuItem>& parent, const std::string& name,
                           const std::string& text) {
    auto item = fw::New<fw::MenuItem>();
    item->SetName(name);
    item->SetText(text);
    parent->AddMenu(item);
    return item;
}

class MenuMirrorTest : public AppKitTest {
protected:
    void SetUp() override {
        AppKitTest::SetUp();
        bar = fw::New<fw::MenuBar>();
        file = Item(bar, "FileMenu", "&File");
        Item(file, "FileClose", "Close");
        Item(file, "FileSeparator1", "-");
        Item(file, "FileQuit", "Quit");
        edit = Item(bar, "EditMenu", "&Edit");
        undo = Item(edit, "EditUndo", "&Undo");
        Item(edit, "EditRedo", "Redo");
        Item(edit, "EditAmp", "Cut && &Paste");
        app->MenuBar(bar);
    }

    id MainMenu() { return SendId(NSApp(), S("mainMenu")); }
    id ItemTitled(id menu, const std::string& title) {
        return SendId(menu, S("itemWithTitle:"), {CFString(title)});
    }
    std::string TitleOf(id item) { return StringValue(SendId(item, S("title"))); }

    fw::Ref<fw::MenuBar> bar;
    fw::Ref<fw::MenuItem> file;
    fw::Ref<fw::MenuItem> edit;
    fw::Ref<fw::MenuItem> undo;
};

TEST_F(MenuMirrorTest, OneNativeItemPerItemTitledWithoutTheFirstAmpersand) {
    id mainMenu = MainMenu();
    ASSERT_NE(mainMenu, nullptr);
    const auto& menus = Self<NSMenuObject>(mainMenu).Items();
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[0]->Title(), "File");
    EXPECT_EQ(menus[1]->Title(), "Edit");

    id fileMenu = SendId(ItemTitled(mainMenu, "File"), S("submenu"));
    ASSERT_NE(fileMenu, nullptr);
    const auto& fileItems = Self<NSMenuObject>(fileMenu).Items();
    ASSERT_EQ(fileItems.size(), 3u);
    EXPECT_EQ(fileItems[0]->Title(), "Close");
    EXPECT_EQ(fileItems[1]->Title(), "");  // the separator
    EXPECT_EQ(fileItems[2]->Title(), "Quit");

    id editMenu = SendId(ItemTitled(mainMenu, "Edit"), S("submenu"));
    id undoItem = ItemTitled(editMenu, "Undo");
    ASSERT_NE(undoItem, nullptr);
    EXPECT_EQ(TitleOf(undoItem), "Undo");
    EXPECT_EQ(ItemTitled(editMenu, "&Undo"), nullptr);
    // Only the first "&" goes.
    EXPECT_NE(ItemTitled(editMenu, "Cut & &Paste"), nullptr);
    // Leaves have no submenu; unknown titles find nothing, and nil stays nil.
    EXPECT_EQ(SendId(undoItem, S("submenu")), nullptr);
    EXPECT_EQ(ItemTitled(mainMenu, "Window"), nullptr);
    EXPECT_EQ(SendId(mainMenu, S("itemWithTitle:"), {nil}), nullptr);
    EXPECT_EQ(SendId(ItemTitled(mainMenu, "Window"), S("submenu")), nullptr);
}

TEST_F(MenuMirrorTest, ItemWithTitleTakesTheFirstMatch) {
    auto second = Item(edit, "EditUndo2", "Undo");
    id editMenu = SendId(ItemTitled(MainMenu(), "Edit"), S("submenu"));
    const auto& items = Self<NSMenuObject>(editMenu).Items();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(ItemTitled(editMenu, "Undo"), items[0].get());
    EXPECT_EQ(items[3]->Title(), "Undo");
}

TEST_F(MenuMirrorTest, ItemsKeepIdentityAndStateAcrossUpdates) {
    id editMenu = SendId(ItemTitled(MainMenu(), "Edit"), S("submenu"));
    id undoItem = ItemTitled(editMenu, "Undo");
    SEL undoAction = S("undo:");
    objc_msgSend(undoItem, S("setTag:"), {1});
    objc_msgSend(undoItem, S("setAction:"), {undoAction});
    objc_msgSend(undoItem, S("setTarget:"), {nil});

    // The caption changes and an item is added: the mirror follows on the next request.
    undo->SetText("&Undo Typing");
    Item(edit, "EditSelectAll", "Select &All");
    editMenu = SendId(ItemTitled(MainMenu(), "Edit"), S("submenu"));
    EXPECT_EQ(ItemTitled(editMenu, "Undo"), nullptr);
    EXPECT_EQ(ItemTitled(editMenu, "Undo Typing"), undoItem);
    EXPECT_EQ(SendInt(undoItem, S("tag")), 1);
    EXPECT_EQ(SendSel(undoItem, S("action")), undoAction);
    EXPECT_EQ(SendId(undoItem, S("target")), nullptr);
    EXPECT_NE(ItemTitled(editMenu, "Select All"), nullptr);
}

TEST_F(MenuMirrorTest, NoMenuBarGivesNilAndANewBarANewMenu) {
    ASSERT_NE(MainMenu(), nullptr);
    app->MenuBar(nullptr);
    EXPECT_EQ(MainMenu(), nullptr);
    // Messages along the lookup chain then all yield nil.
    EXPECT_EQ(SendId(ItemTitled(MainMenu(), "Edit"), S("submenu")), nullptr);

    auto other = fw::New<fw::MenuBar>();
    Item(other, "HelpMenu", "Help");
    app->MenuBar(other);
    id second = MainMenu();
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(Self<NSMenuObject>(second).Items().size(), 1u);
    EXPECT_EQ(Self<NSMenuObject>(second).Items()[0]->Title(), "Help");
}

}  // namespace
}  // namespace cocoa::test
