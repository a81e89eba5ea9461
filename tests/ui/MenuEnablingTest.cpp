// Which menu items the framework enables by itself (AutoEnabled), and who answers a
// choice: the focused control, then the key window, then the application.

#include "UiTestSupport.h"
#include "framework/Application.h"
#include "framework/Label.h"
#include "framework/MenuBar.h"
#include "framework/QuitMenuItem.h"

namespace uitest {
namespace {

using MenuEnablingTest = UiTest;

fw::Ref<fw::MenuItem> Add(const fw::Ref<fw::MenuItem>& menu, fw::Ref<fw::MenuItem> item,
                          const std::string& name) {
    item->SetName(name);
    menu->AddMenu(item);
    return item;
}

TEST_F(MenuEnablingTest, AnAutoEnabledItemIsEnabledWhileAHandlerCanActOnIt) {
    std::vector<std::string> log;
    auto app = fw::New<fw::Application>();
    fw::RuntimeRegisterAppObject_(app);
    auto bar = fw::New<fw::MenuBar>();
    auto edit = Add(bar, fw::New<fw::MenuItem>(), "EditMenu");
    auto help = Add(bar, fw::New<fw::MenuItem>(), "HelpMenu");  // a menu with no items
    auto command = Add(edit, fw::New<fw::MenuItem>(), "Command");
    auto quit = Add(edit, fw::New<fw::QuitMenuItem>(), "FileQuit");
    auto manual = Add(edit, fw::New<fw::MenuItem>(), "Manual");
    manual->SetAutoEnabled(false);
    app->MenuBar(bar);
    auto handler = [&log](const char* who) {
        return [&log, who] {
            log.push_back(who);
            return false;  // not handled: the next one is asked
        };
    };
    fw::Ref<LoggingWindow> window;
    auto label = fw::New<fw::Label>();
    auto enabledNow = [&] {
        Backend().OpenMenu(bar);
        Backend().OpenMenu(edit);
        return std::vector<bool>{command->Enabled(), quit->Enabled(), manual->Enabled(),
                                 help->Enabled()};
    };
    Backend().Post([&] {
        Backend().SetKeyWindow(window->Id());
        Backend().SetFocusedControl(label->Id());
        EXPECT_EQ(enabledNow(), (std::vector<bool>{false, true, true, true}));
        label->AddMenuHandler_("Command", handler("Control"));
        manual->SetEnabled(false);
        EXPECT_EQ(enabledNow(), (std::vector<bool>{true, true, false, true}));
        // A control counts only while focused, a window only while key.
        Backend().SetFocusedControl(0);
        EXPECT_FALSE(enabledNow()[0]);
        window->AddMenuHandler_("Command", handler("Window"));
        EXPECT_TRUE(enabledNow()[0]);
        Backend().SetKeyWindow(0);
        EXPECT_FALSE(enabledNow()[0]);
        app->AddMenuHandler_("Command", handler("App"));
        EXPECT_TRUE(enabledNow()[0]);

        Backend().SetKeyWindow(window->Id());
        Backend().SetFocusedControl(label->Id());
        Backend().ChooseMenuItem(command);
        app->Quit(0);
    });
    fw::RunFrameworkInitialization_([&] {
        window = MakeWindow(&log, "Main");
        window->AddControl_("Label1", label);
    });
    fw::RuntimeRun_();
    EXPECT_EQ(std::vector<std::string>(log.end() - 4, log.end()),
              (std::vector<std::string>{"Control", "Window", "App", "Main.Close"}));
}

}  // namespace
}  // namespace uitest
