#include "AppKitFixture.h"

namespace cocoa::test {
namespace {

class ResponderChainTest : public AppKitTest {
protected:
    id Target(const char* action, id target = nil) {
        return SendId(NSApp(), S("targetForAction:to:from:"), {S(action), target, nil});
    }
    BOOL Send(const char* action, id sender = nil) {
        return SendBool(NSApp(), S("sendAction:to:from:"), {S(action), nil, sender});
    }
    // A native item carrying action, as the menu layer sets it before validating.
    id ItemWithAction(const char* action) {
        auto bar = fw::New<fw::MenuBar>();
        auto menu = fw::New<fw::MenuItem>();
        menu->SetText("Edit");
        bar->AddMenu(menu);
        auto item = fw::New<fw::MenuItem>();
        item->SetText(action);
        menu->AddMenu(item);
        app->MenuBar(bar);
        id native = SendId(
            SendId(SendId(SendId(NSApp(), S("mainMenu")), S("itemWithTitle:"), {CFString("Edit")}),
                   S("submenu")),
            S("itemWithTitle:"), {CFString(action)});
        objc_msgSend(native, S("setAction:"), {S(action)});
        return native;
    }
    BOOL Validate(id responder, const char* action) {
        return SendBool(responder, S("validateMenuItem:"), {ItemWithAction(action)});
    }
};

TEST_F(ResponderChainTest, WithoutKeyWindowOnlyTheApplicationAnswers) {
    backend->SetKeyWindow(0);
    EXPECT_EQ(Target("performClose:"), nullptr);
    EXPECT_EQ(Target("selectAll:"), nullptr);
    EXPECT_EQ(Target("arrangeInFront:"), NSApp());
    EXPECT_FALSE(Send("performClose:"));
    EXPECT_EQ(window->closes, 0);
}

TEST_F(ResponderChainTest, FocusedControlThenWindowThenApplication) {
    id list = TargetWithFocus(window->list->Id(), "selectAll:");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(object_getClassName(list), "NSTableView");
    EXPECT_EQ(TargetWithFocus(window->list->Id(), "performClose:"), WindowObject());
    EXPECT_EQ(TargetWithFocus(window->list->Id(), "undo:"), WindowObject());
    EXPECT_EQ(TargetWithFocus(window->list->Id(), "arrangeInFront:"), NSApp());
    // A button takes no menu action; the window behind it does.
    EXPECT_EQ(TargetWithFocus(window->button->Id(), "selectAll:"), nullptr);
    EXPECT_EQ(TargetWithFocus(window->button->Id(), "performZoom:"), WindowObject());
    // Nothing here can find.
    EXPECT_EQ(TargetWithFocus(window->list->Id(), "performFindPanelAction:"), nullptr);
    EXPECT_FALSE(Send("performFindPanelAction:"));
    EXPECT_EQ(Target(""), nullptr);
}

TEST_F(ResponderChainTest, ExplicitTargetIsTheOnlyOneAsked) {
    backend->SetKeyWindow(window->Id());
    EXPECT_EQ(Target("arrangeInFront:", WindowObject()), nullptr);
    EXPECT_EQ(Target("performClose:", WindowObject()), WindowObject());
    EXPECT_EQ(Target("arrangeInFront:", NSApp()), NSApp());
}

TEST_F(ResponderChainTest, SentActionsReachTheWindow) {
    backend->SetKeyWindow(window->Id());
    EXPECT_TRUE(Send("performMiniaturize:"));
    EXPECT_EQ(backend->Window(window->Id()).Minimizations, 1);
    EXPECT_TRUE(Send("performZoom:"));
    EXPECT_EQ(backend->Window(window->Id()).Zooms, 1);
    int raisesBefore = backend->Window(window->Id()).Raises;
    EXPECT_TRUE(Send("arrangeInFront:"));
    EXPECT_EQ(backend->Window(window->Id()).Raises, raisesBefore + 1);
    EXPECT_TRUE(Send("undo:"));
    EXPECT_TRUE(Send("performClose:"));
    EXPECT_EQ(window->closes, 1);
    EXPECT_TRUE(window->IsClosed());
    // The window object goes with the window.
    EXPECT_EQ(NSWindowForHandle(window->Handle()), nullptr);
    EXPECT_FALSE(Send("performClose:"));
}

TEST_F(ResponderChainTest, SelectAllSelectsEveryRowWhereTheListAllowsIt) {
    auto& list = *window->list;
    list.AddRow("a.otf");
    list.AddRow("b.otf");
    list.AddRow("c.otf");
    id view = TargetWithFocus(list.Id(), "selectAll:");
    SEL validate = S("validateUserInterfaceItem:");
    // One row at a time: Select All is refused.
    EXPECT_FALSE(SendBool(view, validate, {ItemWithAction("selectAll:")}));
    list.RowSelectionType = 1;
    EXPECT_TRUE(SendBool(view, validate, {ItemWithAction("selectAll:")}));
    EXPECT_TRUE(SendBool(view, validate, {ItemWithAction("copy:")}));
    EXPECT_TRUE(Send("selectAll:"));
    for (std::int64_t row = 0; row < list.ListCount(); ++row) {
        EXPECT_TRUE(list.Selected(row)) << row;
    }
    list.RemoveAllRows();
    EXPECT_FALSE(SendBool(view, validate, {ItemWithAction("selectAll:")}));
}

TEST_F(ResponderChainTest, WindowValidatesCloseAndUndoRedo) {
    id w = WindowObject();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(SendBool(w, S("respondsToSelector:"), {S("validateMenuItem:")}));
    EXPECT_FALSE(SendBool(w, S("respondsToSelector:"), {S("validateUserInterfaceItem:")}));
    EXPECT_TRUE(Validate(w, "performClose:"));
    EXPECT_FALSE(Validate(w, "undo:"));
    EXPECT_FALSE(Validate(w, "redo:"));
    EXPECT_TRUE(Validate(w, "performZoom:"));
    EXPECT_TRUE(Validate(w, "performMiniaturize:"));
    EXPECT_TRUE(SendBool(w, S("validateMenuItem:"), {nil}));
    window->HasCloseButton = false;
    EXPECT_FALSE(Validate(w, "performClose:"));
    // The window still receives the action, and leaves itself open.
    backend->SetKeyWindow(window->Id());
    EXPECT_TRUE(Send("performClose:"));
    EXPECT_FALSE(window->IsClosed());
    EXPECT_EQ(window->closes, 0);
}

TEST_F(ResponderChainTest, UndoManagerHasNothingToUndoOrRedo) {
    id w = WindowObject();
    ASSERT_TRUE(SendBool(w, S("respondsToSelector:"), {S("undoManager")}));
    id manager = SendId(w, S("undoManager"));
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager, SendId(w, S("undoManager")));
    EXPECT_FALSE(SendBool(manager, S("canUndo")));
    EXPECT_FALSE(SendBool(manager, S("canRedo")));
    EXPECT_FALSE(SendBool(NSApp(), S("respondsToSelector:"), {S("undoManager")}));
}

TEST_F(ResponderChainTest, DelegateComesAfterTheApplication) {
    ASSERT_NE(NSClassFromString("NSObject"), nullptr);
    static int finds = 0;
    Class& finder = DefineClass("TestFinder", "NSObject");
    finder.AddMethod("performFindPanelAction:", [](id, Arguments args) -> Value {
        finds += static_cast<int>(SendInt(args[0].AsId(), sel_registerName("tag")));
        return {};
    });
    finder.AddMethod("arrangeInFront:", [](id, Arguments) -> Value { return {}; });
    auto delegate = NewInstance("TestFinder");
    SetApplicationDelegate(delegate.get());
    backend->SetKeyWindow(window->Id());
    EXPECT_EQ(Target("performFindPanelAction:"), delegate.get());
    EXPECT_EQ(Target("arrangeInFront:"), NSApp());
    id sender = ItemWithAction("performFindPanelAction:");
    objc_msgSend(sender, S("setTag:"), {1});
    EXPECT_TRUE(Send("performFindPanelAction:", sender));
    EXPECT_EQ(finds, 1);
    SetApplicationDelegate(nil);
    EXPECT_EQ(Target("performFindPanelAction:"), nullptr);
}

TEST_F(ResponderChainTest, WindowObjectsAreFoundByHandleOnly) {
    EXPECT_EQ(WindowObject(), WindowObject());
    EXPECT_EQ(object_getClassName(WindowObject()), "NSWindow");
    EXPECT_EQ(NSWindowForHandle(window->Handle() + 1000), nullptr);
    EXPECT_EQ(NSWindowForHandle(0), nullptr);
}

}  // namespace
}  // namespace cocoa::test
