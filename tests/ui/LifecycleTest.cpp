// The order of the application's and windows' Open and Close events on every way in
// and out, and the exit code.

#include "UiTestSupport.h"
#include "framework/Application.h"
#include "framework/MenuBar.h"
#include "framework/QuitMenuItem.h"

namespace uitest {
namespace {

class LoggingApp : public fw::Application {
public:
    explicit LoggingApp(std::vector<std::string>* log) : log_(log) {}
    void Event_Open() override {
        log_->push_back("App.Open");
        if (onOpen) {
            onOpen();
        }
    }
    void Event_Close() override { log_->push_back("App.Close"); }
    std::function<void()> onOpen;

private:
    std::vector<std::string>* log_;
};

class LifecycleTest : public UiTest {
protected:
    // The start-up of a program: the application, then the main window made by the late
    // start-up, then the event loop running what the test queued.
    void Launch(std::function<void()> lateStartup = nullptr) {
        fw::RunFrameworkInitialization_([&] {
            main = MakeWindow(&log, "Main");
            if (lateStartup) {
                lateStartup();
            }
        });
        fw::RuntimeRun_();
    }

    std::vector<std::string> log;
    fw::Ref<LoggingApp> app = fw::New<LoggingApp>(&log);
    fw::Ref<LoggingWindow> main;

    void SetUp() override {
        UiTest::SetUp();
        fw::RuntimeRegisterAppObject_(app);
    }
};

TEST_F(LifecycleTest, ApplicationOpensBeforeTheMainWindowAndQuitClosesWindowsFirst) {
    Backend().Post([&] { app->Quit(7); });
    Launch();

    EXPECT_EQ(log, (std::vector<std::string>{"Main.Layout", "Main.CreateControls", "App.Open",
                                             "Main.Open", "Main.Close", "App.Close"}));
    EXPECT_EQ(fw::RuntimeExit(), 7);
    EXPECT_TRUE(Backend().QuitCalled());
    EXPECT_TRUE(Backend().Window(main->Id()).Destroyed);
    EXPECT_EQ(app->WindowCount(), 0);
}

TEST_F(LifecycleTest, EveryWindowClosesBeforeTheApplicationAndEachOnlyOnce) {
    fw::Ref<LoggingWindow> second;
    Backend().Post([&] { second = MakeWindow(&log, "Second"); });
    Backend().Post([&] {
        app->Quit(0);
        app->Quit(3);  // ignored: already quitting
    });
    Launch();

    std::vector<std::string> closes(log.end() - 3, log.end());
    EXPECT_EQ(closes, (std::vector<std::string>{"Main.Close", "Second.Close", "App.Close"}));
    EXPECT_EQ(std::count(log.begin(), log.end(), "Second.Open"), 1);
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST_F(LifecycleTest, ClosingTheLastWindowQuitsOnlyWithAutoQuit) {
    app->AutoQuit = true;
    Backend().Post([&] { Backend().RequestClose(main->Id()); });
    Backend().Post([&] { log.push_back("after quit"); });
    Launch();

    EXPECT_EQ(log, (std::vector<std::string>{"Main.Layout", "Main.CreateControls", "App.Open",
                                             "Main.Open", "Main.Close", "App.Close"}));
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST_F(LifecycleTest, WithoutAutoQuitTheApplicationLivesOnAfterItsLastWindow) {
    app->AutoQuit = false;
    Backend().Post([&] { main->Close(); });
    Launch();

    EXPECT_EQ(log.back(), "Main.Close");
    EXPECT_FALSE(Backend().QuitCalled());
    EXPECT_EQ(fw::GetImplicitWindow_(main->ClassName()), nullptr);
}

TEST_F(LifecycleTest, TheQuitMenuItemQuitsWithWindowsClosedFirst) {
    auto bar = fw::New<fw::MenuBar>();
    auto file = fw::New<fw::MenuItem>();
    auto quit = fw::New<fw::QuitMenuItem>();
    quit->SetName("FileQuit");
    quit->SetText("Quit");
    file->AddMenu(quit);
    bar->AddMenu(file);
    app->MenuBar(bar);
    Backend().Post([&] { Backend().ChooseMenuItem(quit); });
    Launch();

    EXPECT_EQ(Backend().ApplicationMenuBar(), bar);
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "Main.Close");
    EXPECT_EQ(log.back(), "App.Close");
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST_F(LifecycleTest, AHandlerThatAnswersTrueKeepsTheQuitItemFromQuitting) {
    auto quit = fw::New<fw::QuitMenuItem>();
    quit->SetName("FileQuit");
    int handled = 0;
    app->AddMenuHandler_("FileQuit", [&] {
        ++handled;
        return true;
    });
    Backend().Post([&] { Backend().ChooseMenuItem(quit); });
    Launch();

    EXPECT_EQ(handled, 1);
    EXPECT_FALSE(Backend().QuitCalled());
    EXPECT_EQ(log.back(), "Main.Open");
}

TEST_F(LifecycleTest, QuitDuringTheApplicationsOpenKeepsTheMainWindowFromOpening) {
    app->onOpen = [&] { app->Quit(0); };
    Launch();

    EXPECT_EQ(log, (std::vector<std::string>{"Main.Layout", "Main.CreateControls", "App.Open",
                                             "App.Close"}));
}

TEST_F(LifecycleTest, AWindowMadeAfterTheApplicationOpenedOpensAtOnceAndIsShown) {
    fw::Ref<LoggingWindow> later;
    Backend().Post([&] {
        later = MakeWindow(&log, "Later");
        log.push_back("made");
    });
    Launch();

    std::vector<std::string> tail(log.end() - 4, log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Later.Layout", "Later.CreateControls", "Later.Open",
                                              "made"}));
    EXPECT_TRUE(Backend().Window(later->Id()).State.Visible);
    EXPECT_EQ(app->Window(0), later);  // frontmost first
    EXPECT_EQ(app->Window(1), main);
    EXPECT_EQ(app->Window(2), nullptr);
}

}  // namespace
}  // namespace uitest
