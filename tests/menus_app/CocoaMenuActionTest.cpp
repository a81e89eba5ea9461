// Choosing a Cocoa-bound item: the action goes through the responder chain unless the
// item's own Action event takes the choice.
#include "CocoaMenuFixture.h"
#include "menus/CocoaMenu.h"
#include "menus/MainMenuBar.h"

namespace menutest {
namespace {

using CocoaMenu::CocoaMenuItem;
using namespace cocoa;

// An item whose events a test sets.
class ScriptedItem : public CocoaMenuItem {
public:
    bool takesChoice{false};
    id explicitTarget{nullptr};
    int actionEvents{0};
    std::vector<id> targetsAsked;

protected:
    bool Action() override {
        ++actionEvents;
        return takesChoice;
    }
    std::string ActionSelectorName() override { return "undo:"; }
    std::int64_t CocoaTag() override { return 3; }
    id TargetEvent(id nsMenuItem) override {
        targetsAsked.push_back(nsMenuItem);
        return explicitTarget;
    }
};

class CocoaMenuActionTest : public CocoaMenuTest {
protected:
    void SetUp() override {
        CocoaMenuTest::SetUp();
        bar = fw::New<fw::MenuBar>();
        auto menu = fw::New<fw::MenuItem>();
        menu->SetText("Edit");
        bar->AddMenu(menu);
        item = fw::New<ScriptedItem>();
        item->SetText("Check");
        menu->AddMenu(item);
        app->MenuBar(bar);
        ns = CocoaMenuItem::GetNSMenuItem(item);
        ASSERT_NE(ns, nullptr);
    }

    fw::Ref<fw::MenuBar> bar;
    fw::Ref<ScriptedItem> item;
    id ns{nullptr};
};

TEST_F(CocoaMenuActionTest, TheActionGoesToTheChainFromTheNativeItem) {
    id receiver = UseDelegate("StandInReceiver");
    EXPECT_TRUE(item->Event_Action());
    ASSERT_EQ(Log().actions.size(), 1u);
    EXPECT_EQ(Log().actions[0].selector, "undo:");
    EXPECT_EQ(Log().actions[0].argument, ns);
    EXPECT_EQ(Log().actions[0].receiver, receiver);
    EXPECT_EQ(Native(ns).Tag(), 3);
    EXPECT_EQ(item->actionEvents, 1);
}

TEST_F(CocoaMenuActionTest, NothingTakesTheActionAnswersFalse) {
    EXPECT_FALSE(item->Event_Action());
    EXPECT_TRUE(Log().actions.empty());
}

TEST_F(CocoaMenuActionTest, AnActionEventAnsweringTrueSendsNothing) {
    UseDelegate("StandInReceiver");
    item->takesChoice = true;
    EXPECT_FALSE(item->Event_Action());
    EXPECT_TRUE(Log().actions.empty());
    EXPECT_EQ(item->actionEvents, 1);
    EXPECT_TRUE(item->targetsAsked.empty()) << "no target is looked for";
    // The tag goes on before the event is asked.
    EXPECT_EQ(Native(ns).Tag(), 3);
}

TEST_F(CocoaMenuActionTest, AnExplicitTargetIsTheOnlyOneUsed) {
    UseDelegate("StandInBothValidators");
    auto own = NewStandIn("StandInReceiver");
    item->explicitTarget = own.get();

    EXPECT_TRUE(item->Event_Action());
    ASSERT_EQ(Log().actions.size(), 1u);
    EXPECT_EQ(Log().actions[0].receiver, own.get());

    item->SetEnabled(false);
    item->Event_EnableMenu();
    EXPECT_TRUE(item->Enabled()) << "the own target has no validators";
    EXPECT_TRUE(Log().validations.empty()) << "the chain's validators are not asked";
    EXPECT_EQ(Native(ns).Target(), own.get());
    for (id asked : item->targetsAsked) {
        EXPECT_EQ(asked, ns);
    }

    // A target that does not take the action is not replaced by the chain.
    auto deaf = NewStandIn("StandInUndoManager");
    item->explicitTarget = deaf.get();
    Log().actions.clear();
    EXPECT_FALSE(item->Event_Action());
    EXPECT_TRUE(Log().actions.empty());
}

}  // namespace
}  // namespace menutest
