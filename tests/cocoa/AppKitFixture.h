#pragma once
// A fresh framework run on the headless backend with an application object and one
// open window holding a list and a button.

#include <gtest/gtest.h>

#include "cocoa/Cocoa.h"
#include "framework/Application.h"
#include "framework/Listbox.h"
#include "framework/PushButton.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "headless/HeadlessBackend.h"

namespace cocoa::test {

class TestWindow : public fw::Window {
public:
    fw::Ref<fw::Listbox> list;
    fw::Ref<fw::PushButton> button;
    int closes{0};

    void Event_Close() override { ++closes; }

protected:
    void Layout() override {
        Left(100);
        Top(100);
        Width(460);
        Height(300);
    }
    void CreateControls() override {
        list = fw::New<fw::Listbox>();
        AddControl_("ListBox1", list);
        button = fw::New<fw::PushButton>();
        AddControl_("PushButtonRun", button);
    }
};

class AppKitTest : public ::testing::Test {
protected:
    void SetUp() override {
        fw::RuntimeInit();
        fw::RunFrameworkInitialization_([] {});
        backend = &fw::headless::Instance();
        app = fw::New<fw::Application>();
        app->_x_SetVersionData(3, 1, 0, 0, 3, "3.1.0", "3.1.0", "");
        fw::RuntimeRegisterAppObject_(app);
        window = fw::New<TestWindow>();
        window->Constructor();
        fw::RuntimeRun_();
    }

    static SEL S(const char* name) { return sel_registerName(name); }
    static id NSApp() { return SendId(NSClassFromString("NSApplication"), S("sharedApplication")); }
    id WindowObject() const { return NSWindowForHandle(window->Handle()); }
    id ListObject() const { return TargetWithFocus(window->list->Id(), "selectAll:"); }
    // The target of action with the window key and control focused.
    id TargetWithFocus(fw::PeerId control, const char* action) const {
        backend->SetKeyWindow(window->Id());
        backend->SetFocusedControl(control);
        return SendId(NSApp(), S("targetForAction:to:from:"), {S(action), nil, nil});
    }

    AutoreleasePool pool;
    fw::headless::HeadlessBackend* backend{nullptr};
    fw::Ref<fw::Application> app;
    fw::Ref<TestWindow> window;
};

}  // namespace cocoa::test
