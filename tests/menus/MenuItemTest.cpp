#include "framework/MenuItem.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "framework/ApplicationMenuItem.h"
#include "framework/MenuBar.h"
#include "framework/QuitMenuItem.h"
#include "framework/RuntimeException.h"

namespace fw {
namespace {

Ref<MenuItem> Named(const std::string& name, const std::string& text = "") {
    auto item = New<MenuItem>();
    item->SetName(name);
    item->SetText(text);
    return item;
}

// File and Edit menus in the shape the program's bar builds.
Ref<MenuBar> SmallBar() {
    auto bar = New<MenuBar>();
    bar->AddMenu(Named("FileMenu", "File"));
    bar->Child("FileMenu")->AddMenu(Named("FileClose", "Close"));
    auto about = New<ApplicationMenuItem>();
    about->SetName("AppAbout");
    bar->Child("FileMenu")->AddMenu(about);
    bar->AddMenu(Named("EditMenu", "Edit"));
    bar->Child("EditMenu")->AddMenu(Named("EditUndo", "&Undo"));
    bar->Child("EditMenu")->AddMenu(Named("EditSeparator1", "-"));
    bar->AddMenu(Named("HelpMenu", "Help"));
    return bar;
}

TEST(MenuItem, StartsVisibleEnabledAndAutoEnabledWithoutShortcut) {
    auto item = New<MenuItem>();
    EXPECT_TRUE(item->Visible());
    EXPECT_TRUE(item->Enabled());
    EXPECT_TRUE(item->AutoEnabled());
    EXPECT_FALSE(item->Shortcut().has_value());
    EXPECT_FALSE(item->ShortcutAssigned());
    EXPECT_TRUE(item->Parent().IsNil());
    EXPECT_EQ(item->Count(), 0);
}

TEST(MenuItem, TreeKeepsMenusAndItemsInOrder) {
    auto bar = SmallBar();
    ASSERT_EQ(bar->Count(), 3);
    EXPECT_EQ(bar->Item(0)->Name(), "FileMenu");
    EXPECT_EQ(bar->Item(1)->Name(), "EditMenu");
    EXPECT_EQ(bar->Item(2)->Name(), "HelpMenu");
    auto file = bar->Child("FileMenu");
    ASSERT_EQ(file->Count(), 2);
    EXPECT_EQ(file->Item(0)->Name(), "FileClose");
    EXPECT_EQ(file->Item(1)->ClassName(), "ApplicationMenuItem");
    EXPECT_EQ(bar->Child("HelpMenu")->Count(), 0);
    EXPECT_TRUE(file->Parent() == bar);
    EXPECT_TRUE(file->Item(0)->Parent() == file);
}

TEST(MenuItem, ItemOutOfRangeIsNil) {
    auto bar = SmallBar();
    EXPECT_TRUE(bar->Item(-1).IsNil());
    EXPECT_TRUE(bar->Item(3).IsNil());
    EXPECT_TRUE(bar->Child("HelpMenu")->Item(0).IsNil());
}

TEST(MenuItem, ChildFindsDirectChildrenOnly) {
    auto bar = SmallBar();
    EXPECT_EQ(bar->Child("EditMenu")->Text(), "Edit");
    // Names compare with the framework's string equality, which ignores case.
    EXPECT_TRUE(bar->Child("editmenu") == bar->Child("EditMenu"));
    EXPECT_TRUE(bar->Child("EditUndo").IsNil());
    EXPECT_TRUE(bar->Child("").IsNil());
    EXPECT_TRUE(bar->Child("NoSuchMenu").IsNil());
    EXPECT_THROW(bar->Child("NoSuchMenu")->AddMenu(Named("x")), NilObjectException);
}

TEST(MenuItem, LookupSearchesTheWholeTreeBelow) {
    auto bar = SmallBar();
    auto about = bar->Lookup_("AppAbout");
    ASSERT_TRUE(about);
    EXPECT_TRUE(TryCast<ApplicationMenuItem>(about));
    EXPECT_EQ(bar->Lookup_("EditSeparator1")->Text(), "-");
    EXPECT_TRUE(bar->Lookup_("EditMenu") == bar->Child("EditMenu"));
    EXPECT_TRUE(bar->Lookup_("Missing").IsNil());
    // Only below the receiver: neither itself nor a sibling menu's items.
    bar->SetName("Bar");
    EXPECT_TRUE(bar->Lookup_("Bar").IsNil());
    EXPECT_TRUE(bar->Child("FileMenu")->Lookup_("EditUndo").IsNil());
}

TEST(MenuItem, LookupIsDepthFirst) {
    auto root = New<MenuBar>();
    auto first = Named("First");
    auto second = Named("Second");
    root->AddMenu(first);
    root->AddMenu(second);
    auto deep = Named("Twin", "deep");
    first->AddMenu(Named("Middle"));
    first->Child("Middle")->AddMenu(deep);
    second->AddMenu(Named("Twin", "shallow but later"));
    EXPECT_TRUE(root->Lookup_("Twin") == deep);
}

TEST(MenuItem, AddMenuRefusesNilItemsInAMenuAndLoops) {
    auto bar = SmallBar();
    EXPECT_THROW(bar->AddMenu(nullptr), NilObjectException);
    auto file = bar->Child("FileMenu");
    EXPECT_THROW(bar->Child("EditMenu")->AddMenu(file->Item(0)), RuntimeException);
    EXPECT_THROW(file->AddMenu(file), RuntimeException);
    auto loose = Named("Loose");
    loose->AddMenu(Named("Inner"));
    EXPECT_THROW(loose->Child("Inner")->AddMenu(loose), RuntimeException);
    // Nothing changed by the refusals.
    EXPECT_EQ(file->Count(), 2);
    EXPECT_EQ(bar->Child("EditMenu")->Count(), 2);
    EXPECT_EQ(loose->Child("Inner")->Count(), 0);
}

TEST(MenuItem, ShortcutAssignmentIsRecorded) {
    auto withShortcut = Named("FileClose");
    withShortcut->SetShortcut("Cmd+W");
    EXPECT_TRUE(withShortcut->ShortcutAssigned());
    EXPECT_EQ(withShortcut->Shortcut(), "Cmd+W");

    auto none = Named("AppAbout");
    none->SetShortcut(std::nullopt);
    EXPECT_TRUE(none->ShortcutAssigned());
    EXPECT_FALSE(none->Shortcut().has_value());

    auto separator = Named("FileSeparator1", "-");
    EXPECT_TRUE(separator->IsSeparator());
    EXPECT_FALSE(separator->ShortcutAssigned());
    EXPECT_FALSE(Named("EditUndo", "&Undo")->IsSeparator());
    EXPECT_FALSE(Named("Dash", "--")->IsSeparator());
}

class CountingItem : public MenuItem {
public:
    bool Event_Action() override {
        ++actions;
        return answer;
    }
    void Event_EnableMenu() override {
        ++enables;
        SetEnabled(false);
    }
    bool answer{true};
    int actions{0};
    int enables{0};
};

TEST(MenuItem, EventsDefaultToNotHandledAndNothing) {
    auto item = New<MenuItem>();
    EXPECT_FALSE(item->RaiseAction());
    item->RaiseEnableMenu();
    EXPECT_TRUE(item->Enabled());
}

TEST(MenuItem, RaisersReachTheSubclassHandlers) {
    auto item = New<CountingItem>();
    EXPECT_TRUE(item->RaiseAction());
    item->answer = false;
    EXPECT_FALSE(item->RaiseAction());
    EXPECT_EQ(item->actions, 2);
    item->RaiseEnableMenu();
    EXPECT_EQ(item->enables, 1);
    EXPECT_FALSE(item->Enabled());
}

TEST(MenuItem, KindsNameTheirClassesAndOnlyQuitQuits) {
    EXPECT_EQ(New<MenuItem>()->ClassName(), "MenuItem");
    EXPECT_EQ(New<MenuBar>()->ClassName(), "MenuBar");
    EXPECT_EQ(New<ApplicationMenuItem>()->ClassName(), "ApplicationMenuItem");
    EXPECT_EQ(New<QuitMenuItem>()->ClassName(), "QuitMenuItem");
    EXPECT_TRUE(New<QuitMenuItem>()->QuitsApplication());
    EXPECT_FALSE(New<ApplicationMenuItem>()->QuitsApplication());
    EXPECT_FALSE(New<MenuItem>()->QuitsApplication());
    // A quit item's Action still defaults to not handled, so the application quits.
    EXPECT_FALSE(New<QuitMenuItem>()->RaiseAction());
}

TEST(MenuItem, ObserversOnTheBarHearOfChangesBelow) {
    auto bar = SmallBar();
    std::vector<std::pair<std::string, MenuChange>> heard;
    const auto id = bar->AddObserver(
        [&heard](MenuItem& item, MenuChange change) { heard.emplace_back(item.Name(), change); });
    auto undo = bar->Lookup_("EditUndo");
    undo->SetEnabled(false);
    undo->SetEnabled(false);  // no change, nothing heard
    undo->SetShortcut("Cmd+Z");
    bar->Child("HelpMenu")->AddMenu(Named("HelpItem"));
    bar->Lookup_("AppAbout")->SetText("About Tessary");
    using P = std::pair<std::string, MenuChange>;
    EXPECT_EQ(heard, (std::vector<P>{
                         P{"EditUndo", MenuChange::Enabled}, P{"EditUndo", MenuChange::Shortcut},
                         P{"HelpMenu", MenuChange::Children}, P{"AppAbout", MenuChange::Text}}));
    bar->RemoveObserver(id);
    undo->SetVisible(false);
    EXPECT_EQ(heard.size(), 4u);
}

TEST(MenuItem, AnObserverMayRemoveItselfWhileHearing) {
    auto item = New<MenuItem>();
    int calls = 0;
    std::int64_t id = 0;
    id = item->AddObserver([&](MenuItem& changed, MenuChange) {
        ++calls;
        changed.RemoveObserver(id);
    });
    item->SetText("one");
    item->SetText("two");
    EXPECT_EQ(calls, 1);
}

TEST(MenuItem, ChildrenDoNotKeepTheirParentAlive) {
    Ref<MenuItem> item;
    {
        auto bar = SmallBar();
        item = bar->Lookup_("EditUndo");
    }
    EXPECT_TRUE(item->Parent().IsNil());
    item->SetText("Undo");  // no parent left to notify
    EXPECT_EQ(item->Text(), "Undo");
}

TEST(MenuItem, ChangesFromAnotherThreadAreRefused) {
    auto menu = fw::New<fw::MenuItem>();
    menu->SetText("File");  // this thread is the main one from here on
    bool refused = false;
    std::thread other([&] {
        try {
            menu->SetText("Other");
        } catch (const fw::ThreadAccessingUIException&) {
            refused = true;
        }
    });
    other.join();
    EXPECT_TRUE(refused);
    EXPECT_EQ(menu->Text(), "File");
}

}  // namespace
}  // namespace fw
