// Which menu items the framework enables by itself (AutoEnabled), and the order in which
// menu handlers answer a choice: the focused control, the key window, the application.

#include <algorithm>
#include <map>

#include "UiTestSupport.h"
#include "framework/Application.h"
#include "framework/Label.h"
#include "framework/MenuBar.h"
#include "framework/QuitMenuItem.h"

namespace uitest {
namespace {

class LoggingItem : public fw::MenuItem {
public:
    explicit LoggingItem(std::vector<std::string>* log) : log_(log) {}
    bool Event_Action() override {
        log_->push_back("Item");
        return false;
    }

private:
    std::vector<std::string>* log_;
};

class MenuEnablingTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        fw::RuntimeRegisterAppObject_(app);
        edit = Add(bar, fw::New<fw::MenuItem>(), "EditMenu");
        help = Add(bar, fw::New<fw::MenuItem>(), "HelpMenu");  // a menu with no items
        app->MenuBar(bar);
    }

    static fw::Ref<fw::MenuItem> Add(const fw::Ref<fw::MenuItem>& menu, fw::Ref<fw::MenuItem> item,
                                     const std::string& name) {
        item->SetName(name);
        item->SetText(name);
        menu->AddMenu(item);
        return item;
    }

    // Runs check once the main window, holding a label, is open and key with the label
    // focused; then quits.
    void InLaunch(std::function<void()> check) {
        Backend().Post([&] {
            Backend().SetKeyWindow(window->Id());
            Backend().SetFocusedControl(label->Id());
            check();
            app->Quit(0);
        });
        fw::RunFrameworkInitialization_([&] {
            window = MakeWindow(&log, "Main");
            label = fw::New<fw::Label>();
            window->AddControl_("Label1", label);
        });
        fw::RuntimeRun_();
    }

    std::vector<bool> EnabledAfterOpening(const std::vector<fw::Ref<fw::MenuItem>>& items) {
        Backend().OpenMenu(edit);
        std::vector<bool> enabled;
        for (const auto& item : items) {
            enabled.push_back(item->Enabled());
        }
        return enabled;
    }

    std::vector<std::string> log;
    fw::Ref<fw::Application> app = fw::New<fw::Application>();
    fw::Ref<fw::MenuBar> bar = fw::New<fw::MenuBar>();
    fw::Ref<fw::MenuItem> edit;
    fw::Ref<fw::MenuItem> help;
    fw::Ref<LoggingWindow> window;
    fw::Ref<fw::Label> label;
};

TEST_F(MenuEnablingTest, AnAutoEnabledItemIsEnabledOnlyWhileSomethingCanActOnIt) {
    auto cut = Add(edit, fw::New<LoggingItem>(&log), "EditCut");
    auto byApp = Add(edit, fw::New<fw::MenuItem>(), "ByApp");
    auto byWindow = Add(edit, fw::New<fw::MenuItem>(), "ByWindow");
    auto byControl = Add(edit, fw::New<fw::MenuItem>(), "ByControl");
    auto quit = Add(edit, fw::New<fw::QuitMenuItem>(), "FileQuit");
    auto manual = Add(edit, fw::New<fw::MenuItem>(), "Manual");
    manual->SetAutoEnabled(false);
    auto submenu = Add(edit, fw::New<fw::MenuItem>(), "More");
    Add(submenu, fw::New<fw::MenuItem>(), "Inner");
    app->AddMenuHandler_("ByApp", [] { return true; });
    const std::vector<fw::Ref<fw::MenuItem>> items{cut,  byApp,  byWindow, byControl,
                                                   quit, manual, submenu};
    InLaunch([&] {
        window->AddMenuHandler_("ByWindow", [] { return true; });
        label->AddMenuHandler_("ByControl", [] { return true; });
        EXPECT_EQ(EnabledAfterOpening(items),
                  (std::vector<bool>{false, true, true, true, true, true, true}));

        // A control's handlers count only while it has the focus, a window's only while
        // it is the key window; the application's always.
        manual->SetEnabled(false);
        Backend().SetFocusedControl(0);
        EXPECT_EQ(EnabledAfterOpening(items),
                  (std::vector<bool>{false, true, true, false, true, false, true}));
        Backend().SetKeyWindow(0);
        EXPECT_EQ(EnabledAfterOpening(items),
                  (std::vector<bool>{false, true, false, false, true, false, true}));

        // A disabled item is not acted on; the menus of the bar stay enabled.
        Backend().ChooseMenuItem(cut);
        EXPECT_EQ(std::count(log.begin(), log.end(), "Item"), 0);
        Backend().OpenMenu(bar);
        EXPECT_TRUE(help->Enabled());
        EXPECT_TRUE(edit->Enabled());
    });
}

TEST_F(MenuEnablingTest, AChoiceGoesToTheFocusedControlThenTheKeyWindowThenTheApplication) {
    auto item = Add(edit, fw::New<LoggingItem>(&log), "Command");
    std::map<std::string, bool> answers{{"Control", false}, {"Window", false}, {"App", false}};
    auto handler = [&](const std::string& who) {
        return [&, who] {
            log.push_back(who);
            return answers[who];
        };
    };
    app->AddMenuHandler_("Command", handler("App"));
    InLaunch([&] {
        label->AddMenuHandler_("Command", handler("Control"));
        window->AddMenuHandler_("Command", handler("Window"));
        auto choose = [&] {
            const auto before = log.size();
            Backend().ChooseMenuItem(item);
            return std::vector<std::string>(log.begin() + static_cast<std::ptrdiff_t>(before),
                                            log.end());
        };
        EXPECT_EQ(choose(), (std::vector<std::string>{"Control", "Window", "App", "Item"}));
        answers["Window"] = true;
        EXPECT_EQ(choose(), (std::vector<std::string>{"Control", "Window"}));
        // Without a key window only the application's handler is asked.
        Backend().SetKeyWindow(0);
        EXPECT_EQ(choose(), (std::vector<std::string>{"App", "Item"}));
    });
}

}  // namespace
}  // namespace uitest
