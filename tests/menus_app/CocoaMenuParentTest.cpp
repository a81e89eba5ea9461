// Finding an item's parent in the application's bar, and its native menu and item by
// caption.
#include <algorithm>

#include "CocoaMenuFixture.h"
#include "framework/Runtime.h"
#include "framework/RuntimeException.h"
#include "menus/CocoaMenu.h"

namespace menutest {
namespace {

using CocoaMenu::CocoaMenuItem;
using namespace cocoa;

fw::Ref<fw::MenuItem> Item(const std::string& name, const std::string& caption) {
    auto item = fw::New<fw::MenuItem>();
    item->SetName(name);
    item->SetText(caption);
    return item;
}

// Three menus whose items share one name and caption at several depths:
//   First ("F&irst"): Same, Nested ("Ne&sted": Same, Deep (Same), R&&D)
//   Second: Same, &Undo
//   Last: (empty)
class CocoaMenuParentTest : public CocoaMenuTest {
protected:
    void SetUp() override {
        CocoaMenuTest::SetUp();
        bar = fw::New<fw::MenuBar>();
        first = Item("First", "F&irst");
        a = Item("Same", "Same");
        nested = Item("Nested", "Ne&sted");
        n = Item("Same", "Same");
        deep = Item("Deep", "Deep");
        d = Item("Same", "Same");
        rd = Item("RD", "R&&D");
        second = Item("Second", "Second");
        b = Item("Same", "Same");
        undo = Item("EditUndo", "&Undo");
        last = Item("Last", "Last");
        bar->AddMenu(first);
        first->AddMenu(a);
        first->AddMenu(nested);
        nested->AddMenu(n);
        nested->AddMenu(deep);
        deep->AddMenu(d);
        nested->AddMenu(rd);
        bar->AddMenu(second);
        second->AddMenu(b);
        second->AddMenu(undo);
        bar->AddMenu(last);
        app->MenuBar(bar);
    }

    static bool Holds(id menu, id item) {
        if (menu == nullptr || item == nullptr) {
            return false;
        }
        const auto& items = static_cast<NSMenuObject&>(*menu).Items();
        return std::any_of(items.begin(), items.end(),
                           [item](const auto& i) { return i.get() == item; });
    }

    fw::Ref<fw::MenuBar> bar;
    fw::Ref<fw::MenuItem> first, a, nested, n, deep, d, rd, second, b, undo, last;
};

TEST_F(CocoaMenuParentTest, NoParentForNilForNoBarAndForItemsOutsideTheBar) {
    EXPECT_EQ(CocoaMenuItem::GetParentOf(nullptr), nullptr);
    EXPECT_EQ(CocoaMenuItem::GetParentOf(bar), nullptr);
    // Same name and caption as items in the bar, but another object.
    EXPECT_EQ(CocoaMenuItem::GetParentOf(Item("Same", "Same")), nullptr);
    auto otherBar = fw::New<fw::MenuBar>();
    auto otherMenu = Item("First", "F&irst");
    otherBar->AddMenu(otherMenu);
    auto stranger = Item("Same", "Same");
    otherMenu->AddMenu(stranger);
    EXPECT_EQ(CocoaMenuItem::GetParentOf(otherMenu), nullptr);
    EXPECT_EQ(CocoaMenuItem::GetParentOf(stranger), nullptr);

    app->MenuBar(nullptr);
    EXPECT_EQ(CocoaMenuItem::GetParentOf(a), nullptr);
    EXPECT_EQ(CocoaMenuItem::GetNSMenu(first), nullptr);
    EXPECT_EQ(CocoaMenuItem::GetNSMenuItem(a), nullptr);
}

TEST_F(CocoaMenuParentTest, ParentsAreFoundByIdentityAtEveryDepth) {
    EXPECT_EQ(CocoaMenuItem::GetParentOf(first), bar);
    EXPECT_EQ(CocoaMenuItem::GetParentOf(last), bar);
    EXPECT_EQ(CocoaMenuItem::GetParentOf(a), first);
    EXPECT_EQ(CocoaMenuItem::GetParentOf(nested), first);
    EXPECT_EQ(CocoaMenuItem::GetParentOf(n), nested);
    EXPECT_EQ(CocoaMenuItem::GetParentOf(deep), nested);
    EXPECT_EQ(CocoaMenuItem::GetParentOf(d), deep);
    EXPECT_EQ(CocoaMenuItem::GetParentOf(rd), nested);
    EXPECT_EQ(CocoaMenuItem::GetParentOf(b), second);
    EXPECT_EQ(CocoaMenuItem::GetParentOf(undo), second);
}

TEST_F(CocoaMenuParentTest, WithoutAnApplicationObjectTheSearchRaises) {
    fw::RuntimeInit();
    EXPECT_THROW(CocoaMenuItem::GetParentOf(a), fw::NilObjectException);
    EXPECT_EQ(CocoaMenuItem::GetParentOf(nullptr), nullptr);
}

TEST_F(CocoaMenuParentTest, NativeMenusFollowTheTreeByCaption) {
    id mainMenu = CocoaMenuItem::MainMenu();
    ASSERT_NE(mainMenu, nullptr);
    EXPECT_EQ(CocoaMenuItem::GetNSMenu(bar), mainMenu);
    EXPECT_EQ(CocoaMenuItem::GetNSMenu(nullptr), nullptr);
    EXPECT_EQ(CocoaMenuItem::GetNSMenuItem(bar), nullptr);

    id firstItem = CocoaMenuItem::GetNSMenuItem(first);
    ASSERT_NE(firstItem, nullptr);
    EXPECT_EQ(Native(firstItem).Title(), "First");
    EXPECT_TRUE(Holds(mainMenu, firstItem));
    EXPECT_EQ(CocoaMenuItem::GetNSMenu(first), Native(firstItem).Submenu().get());
    // A menu without items has no native submenu to show them, and an item has none.
    EXPECT_EQ(CocoaMenuItem::GetNSMenu(a), nullptr);

    // Items of one caption in different menus are each found in their own menu.
    id sameItems[] = {CocoaMenuItem::GetNSMenuItem(a), CocoaMenuItem::GetNSMenuItem(n),
                      CocoaMenuItem::GetNSMenuItem(d), CocoaMenuItem::GetNSMenuItem(b)};
    EXPECT_TRUE(Holds(CocoaMenuItem::GetNSMenu(first), sameItems[0]));
    EXPECT_TRUE(Holds(CocoaMenuItem::GetNSMenu(nested), sameItems[1]));
    EXPECT_TRUE(Holds(CocoaMenuItem::GetNSMenu(deep), sameItems[2]));
    EXPECT_TRUE(Holds(CocoaMenuItem::GetNSMenu(second), sameItems[3]));
    for (id item : sameItems) {
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(Native(item).Title(), "Same");
    }
    EXPECT_NE(sameItems[0], sameItems[1]);
    EXPECT_NE(sameItems[1], sameItems[2]);
    EXPECT_NE(sameItems[0], sameItems[3]);
}

TEST_F(CocoaMenuParentTest, OnlyTheFirstAmpersandIsDropped) {
    id undoItem = CocoaMenuItem::GetNSMenuItem(undo);
    ASSERT_NE(undoItem, nullptr);
    EXPECT_EQ(Native(undoItem).Title(), "Undo");
    id rdItem = CocoaMenuItem::GetNSMenuItem(rd);
    ASSERT_NE(rdItem, nullptr);
    EXPECT_EQ(Native(rdItem).Title(), "R&D");
    EXPECT_TRUE(Holds(CocoaMenuItem::GetNSMenu(nested), rdItem));
}

TEST_F(CocoaMenuParentTest, ACaptionChangedAfterwardsIsFoundByItsNewTitle) {
    ASSERT_NE(CocoaMenuItem::GetNSMenuItem(a), nullptr);
    a->SetText("About Tessary");
    id renamed = CocoaMenuItem::GetNSMenuItem(a);
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(Native(renamed).Title(), "About Tessary");
    nested->SetText("Other");
    EXPECT_NE(CocoaMenuItem::GetNSMenuItem(n), nullptr);
    EXPECT_EQ(Native(CocoaMenuItem::GetNSMenuItem(nested)).Title(), "Other");
}

}  // namespace
}  // namespace menutest
