// The program's Cocoa-bound items on the headless backend: their native items' tag,
// target and action, and their enabled state from the responder chain's validation.
#include "CocoaMenuFixture.h"
#include "menus/CocoaMenu.h"
#include "menus/MainMenuBar.h"

namespace menutest {
namespace {

using CocoaMenu::CocoaMenuItem;
using namespace cocoa;

struct Bound {
    const char* name;
    const char* selector;
    std::int64_t tag;
};

const Bound kBound[] = {
    {"FileClose", "performClose:", 0},
    {"EditUndo", "undo:", 0},
    {"EditRedo", "redo:", 0},
    {"EditSelectAll", "selectAll:", 0},
    {"EditFind", "performFindPanelAction:", 1},
    {"WindowMinimize", "performMiniaturize:", 0},
    {"WindowZoom", "performZoom:", 0},
    {"WindowBringAlltoFront", "arrangeInFront:", 0},
};

class CocoaMenuEnableTest : public CocoaMenuTest {
protected:
    void SetUp() override {
        CocoaMenuTest::SetUp();
        app->MenuBar(MainMenuBar());
    }

    static fw::Ref<CocoaMenuItem> Bar(const char* name) {
        return fw::Cast<CocoaMenuItem>(MainMenuBar()->Lookup_(name));
    }
    // Enables item from a state opposite to the expected one; answers the result.
    static bool Enable(const fw::Ref<CocoaMenuItem>& item, bool expected) {
        item->SetEnabled(!expected);
        item->Event_EnableMenu();
        return item->Enabled();
    }
};

TEST_F(CocoaMenuEnableTest, EnablingWritesSelectorNilTargetAndTag) {
    for (const auto& bound : kBound) {
        SCOPED_TRACE(bound.name);
        fw::Ref<CocoaMenuItem> item = Bar(bound.name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->ActionSelector(), S(bound.selector));
        id ns = CocoaMenuItem::GetNSMenuItem(item);
        ASSERT_NE(ns, nullptr);
        objc_msgSend(ns, S("setTag:"), {7});
        objc_msgSend(ns, S("setAction:"), {S("copy:")});
        item->Event_EnableMenu();
        EXPECT_EQ(Native(ns).Tag(), bound.tag);
        EXPECT_EQ(Native(ns).Action(), S(bound.selector));
        EXPECT_EQ(Native(ns).Target(), nullptr);
        EXPECT_EQ(item->Target(ns), nullptr);
    }
}

TEST_F(CocoaMenuEnableTest, ChoosingPutsTheTagOnTheNativeItem) {
    // No window: only the application takes an action, Bring All to Front.
    for (const auto& bound : kBound) {
        SCOPED_TRACE(bound.name);
        fw::Ref<CocoaMenuItem> item = Bar(bound.name);
        id ns = CocoaMenuItem::GetNSMenuItem(item);
        objc_msgSend(ns, S("setTag:"), {7});
        EXPECT_EQ(item->Event_Action(), std::string(bound.name) == "WindowBringAlltoFront");
        EXPECT_EQ(Native(ns).Tag(), bound.tag);
    }
}

TEST_F(CocoaMenuEnableTest, NoReceiverDisables) {
    for (const auto& bound : kBound) {
        if (std::string(bound.name) != "WindowBringAlltoFront") {
            EXPECT_FALSE(Enable(Bar(bound.name), false)) << bound.name;
        }
    }
    // The application itself takes Bring All to Front and validates nothing.
    EXPECT_TRUE(Enable(Bar("WindowBringAlltoFront"), true));
}

TEST_F(CocoaMenuEnableTest, AReceiverWithoutValidatorsEnables) {
    UseDelegate("StandInReceiver");
    EXPECT_TRUE(Enable(Bar("EditUndo"), true));
    EXPECT_TRUE(Enable(Bar("EditFind"), true));
    EXPECT_TRUE(Enable(Bar("EditSelectAll"), true));
    EXPECT_TRUE(Log().validations.empty());
    EXPECT_TRUE(Log().actions.empty()) << "enabling sends no action";
}

TEST_F(CocoaMenuEnableTest, BothValidatorsAreAskedAndEitherYesEnables) {
    id receiver = UseDelegate("StandInBothValidators");
    fw::Ref<CocoaMenuItem> undo = Bar("EditUndo");
    id ns = CocoaMenuItem::GetNSMenuItem(undo);
    struct Case {
        bool menu, item, enabled;
    };
    for (const Case c : {Case{false, false, false}, Case{true, false, true},
                         Case{false, true, true}, Case{true, true, true}}) {
        SCOPED_TRACE(testing::Message() << c.menu << " " << c.item);
        Log().validations.clear();
        Log().menuAnswer = c.menu;
        Log().itemAnswer = c.item;
        EXPECT_EQ(Enable(undo, c.enabled), c.enabled);
        ASSERT_EQ(Log().validations.size(), 2u);
        EXPECT_EQ(Log().validations[0].selector, "validateMenuItem:");
        EXPECT_EQ(Log().validations[1].selector, "validateUserInterfaceItem:");
        for (const auto& call : Log().validations) {
            EXPECT_EQ(call.argument, ns);
            EXPECT_EQ(call.receiver, receiver);
        }
    }
}

TEST_F(CocoaMenuEnableTest, OneValidatorDecidesAlone) {
    UseDelegate("StandInMenuValidator");
    Log().menuAnswer = false;
    EXPECT_FALSE(Enable(Bar("EditFind"), false));
    Log().menuAnswer = true;
    EXPECT_TRUE(Enable(Bar("EditFind"), true));
    EXPECT_EQ(Log().Count("validateMenuItem:"), 2);
    EXPECT_EQ(Log().Count("validateUserInterfaceItem:"), 0);

    UseDelegate("StandInItemValidator");
    Log().itemAnswer = false;
    EXPECT_FALSE(Enable(Bar("EditSelectAll"), false));
    Log().itemAnswer = true;
    EXPECT_TRUE(Enable(Bar("EditSelectAll"), true));
    EXPECT_EQ(Log().Count("validateUserInterfaceItem:"), 2);
}

TEST_F(CocoaMenuEnableTest, AnItemOutsideTheBarValidatesWithANilSender) {
    UseDelegate("StandInBothValidators");
    auto loose = fw::New<CocoaMenu::CocoaMenuItemUndo>();
    loose->SetText("&Undo");
    EXPECT_EQ(CocoaMenuItem::GetNSMenuItem(loose), nullptr);
    Log().menuAnswer = false;
    Log().itemAnswer = true;
    EXPECT_TRUE(Enable(loose, true));
    ASSERT_EQ(Log().validations.size(), 2u);
    EXPECT_EQ(Log().validations[0].argument, nullptr);
    EXPECT_EQ(Log().validations[1].argument, nullptr);
    // The action goes all the same, from no sender.
    EXPECT_TRUE(loose->Event_Action());
    ASSERT_EQ(Log().actions.size(), 1u);
    EXPECT_EQ(Log().actions[0].selector, "undo:");
    EXPECT_EQ(Log().actions[0].argument, nullptr);
}

TEST_F(CocoaMenuEnableTest, RedoNeedsAnUndoManagerThatCanRedo) {
    fw::Ref<CocoaMenuItem> redo = Bar("EditRedo");
    fw::Ref<CocoaMenuItem> undo = Bar("EditUndo");

    // Validators say yes, but there is no undo manager: only redo is held back.
    UseDelegate("StandInBothValidators");
    EXPECT_FALSE(Enable(redo, false));
    EXPECT_EQ(Log().Count("validateMenuItem:"), 1) << "validation still runs first";
    EXPECT_TRUE(Enable(undo, true));

    UseDelegate("StandInUndoOwner");
    Log().undoManager = nullptr;
    EXPECT_FALSE(Enable(redo, false));

    auto manager = NewStandIn("StandInUndoManager");
    Log().undoManager = manager.get();
    Log().canRedo = false;
    EXPECT_FALSE(Enable(redo, false));
    // The undo manager's answer wins over the validators' either way.
    Log().canRedo = true;
    Log().menuAnswer = false;
    Log().itemAnswer = false;
    EXPECT_TRUE(Enable(redo, true));
    EXPECT_FALSE(Enable(undo, false));

    // Nothing in the chain takes redo: no target, no undo manager.
    SetApplicationDelegate(nullptr);
    EXPECT_FALSE(Enable(redo, false));
}

}  // namespace
}  // namespace menutest
