// The runtime: unhandled exceptions, the exception helper, thread refusal, menu
// dispatch, start-up registrations and the machine state read through the backend.

#include <thread>

#include "UiTestSupport.h"
#include "framework/Appearance.h"
#include "framework/Application.h"
#include "framework/DesktopServices.h"
#include "framework/Keyboard.h"
#include "framework/Label.h"
#include "framework/MenuBar.h"
#include "framework/MsgBox.h"
#include "framework/RuntimeException.h"
#include "framework/RuntimeExceptionObject.h"

namespace uitest {
namespace {

using RuntimeTest = UiTest;

TEST_F(RuntimeTest, UnhandledExceptionReportsClassAndMessageAndEndsWithStatusOne) {
    StartFramework();
    ::testing::internal::CaptureStderr();
    fw::UnhandledException_(fw::NilObjectException("gone"));
    std::string err = ::testing::internal::GetCapturedStderr();

    EXPECT_NE(err.find("NilObjectException"), std::string::npos);
    EXPECT_NE(err.find("gone"), std::string::npos);
    EXPECT_EQ(exitStatuses, (std::vector<int>{1}));
    EXPECT_EQ(fw::RuntimeExit(), 1);
    ASSERT_EQ(Backend().Dialogs().size(), 1u);
    const auto& shown = Backend().Dialogs()[0].Request;
    EXPECT_NE(shown.Message.find("NilObjectException"), std::string::npos);
    EXPECT_EQ(shown.Explanation, "gone");
    EXPECT_TRUE(Backend().QuitCalled());
}

class ThrowingWindow : public fw::Window {
public:
    void Event_Open() override { throw fw::IOException("disk gone"); }
};

TEST_F(RuntimeTest, AnExceptionEscapingAnEventHandlerIsUnhandled) {
    StartFramework();
    auto w = fw::New<ThrowingWindow>();
    w->Constructor();
    ::testing::internal::CaptureStderr();
    fw::RuntimeRun_();
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("IOException: disk gone"), std::string::npos);
    EXPECT_EQ(exitStatuses, (std::vector<int>{1}));
}

TEST_F(RuntimeTest, CallFunctionWithExceptionHandlingCarriesTheEscapedException) {
    EXPECT_EQ(fw::CallFunctionWithExceptionHandling_([] {}), nullptr);
    auto carried = fw::TryCast<fw::RuntimeExceptionObject>(
        fw::CallFunctionWithExceptionHandling_([] { throw fw::JSONException("bad", 4); }));
    ASSERT_TRUE(carried);
    EXPECT_EQ(carried->ExceptionClassName(), "JSONException");
    EXPECT_EQ(carried->Message(), "bad");
    EXPECT_EQ(carried->ErrorNumber(), 4);
    EXPECT_THROW(carried->Rethrow(), fw::JSONException);
    // Anything that is no RuntimeException passes on.
    EXPECT_THROW(fw::CallFunctionWithExceptionHandling_([] { throw std::runtime_error("x"); }),
                 std::runtime_error);
}

TEST_F(RuntimeTest, EventsRunThroughTheInstalledExceptionHelper) {
    int calls = 0;
    fw::RuntimeSetExceptionHelper_([&](const std::function<void()>& f) {
        ++calls;
        return fw::CallFunctionWithExceptionHandling_(f);
    });
    std::vector<std::string> log;
    StartFramework();
    auto w = MakeWindow(&log, "W");
    w->OpenNow_();
    w->Close();
    EXPECT_EQ(calls, 2);  // Open and Close
}

TEST_F(RuntimeTest, UserInterfaceCallsFromAnotherThreadAreRefused) {
    StartFramework();
    auto label = fw::New<fw::Label>();
    std::vector<std::string> caught;
    bool workerIsMain = true;
    std::thread worker([&] {
        workerIsMain = fw::IsMainThread();
        for (auto call : std::vector<std::function<void()>>{
                 [&] { label->Text("x"); }, [&] { fw::New<fw::Window>()->Constructor(); },
                 [&] { fw::RunFrameworkInitialization_(nullptr); }, [&] { fw::MsgBox("x"); }}) {
            try {
                call();
            } catch (const fw::ThreadAccessingUIException& e) {
                caught.push_back(e.ClassName());
            }
        }
    });
    worker.join();
    EXPECT_EQ(caught.size(), 4u);
    EXPECT_TRUE(Backend().Dialogs().empty());
    EXPECT_EQ(label->Text(), "");
    EXPECT_FALSE(workerIsMain);
    EXPECT_TRUE(fw::IsMainThread());
}

class TrackedItem : public fw::MenuItem {
public:
    int actions{0};
    int enables{0};
    bool disableOnEnable{false};
    bool Event_Action() override {
        ++actions;
        return true;
    }
    void Event_EnableMenu() override {
        ++enables;
        if (disableOnEnable) {
            SetEnabled(false);
        }
    }
};

TEST_F(RuntimeTest, MenuChoicesRunTheNamedHandlerFirstThenTheItemsAction) {
    StartFramework();
    auto app = fw::New<fw::Application>();
    fw::RuntimeRegisterAppObject_(app);
    auto menu = fw::New<fw::MenuItem>();
    auto about = fw::New<TrackedItem>();
    about->SetName("AppAbout");
    auto other = fw::New<TrackedItem>();
    other->SetName("Other");
    menu->AddMenu(about);
    menu->AddMenu(other);
    bool answer = true;
    int handled = 0;
    app->AddMenuHandler_("appabout", [&] {
        ++handled;
        return answer;
    });

    Backend().ChooseMenuItem(about);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(about->actions, 0);
    answer = false;  // not handled: the item's own Action follows
    Backend().ChooseMenuItem(about);
    EXPECT_EQ(about->actions, 1);

    Backend().OpenMenu(menu);
    EXPECT_EQ(about->enables, 3);  // twice before use, once on opening
    EXPECT_EQ(other->enables, 1);

    other->disableOnEnable = true;
    Backend().ChooseMenuItem(other);
    EXPECT_EQ(other->actions, 0);
}

TEST_F(RuntimeTest, InitializersRunInOrderAndFinalizersInReverse) {
    std::vector<int> order;
    fw::RegisterInitializer([&] { order.push_back(1); });
    fw::RegisterInitializer([&] { order.push_back(2); });
    fw::RegisterFinalizer([&] { order.push_back(3); });
    fw::RegisterFinalizer([&] { order.push_back(4); });
    fw::RuntimePerformInitializers();
    fw::RuntimePerformFinalizers();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 4, 3}));
}

TEST_F(RuntimeTest, StartUpRegistrations) {
    // Switched on before any application object exists.
    fw::Application::SetSupportsHiDPI_(true);
    fw::Application::EnableDarkModeSupport_();
    EXPECT_TRUE(fw::Application::SupportsHiDPI());
    EXPECT_TRUE(fw::Application::DarkModeSupport());
    fw::SetFrameworkVersion(2022.011);
    EXPECT_DOUBLE_EQ(fw::FrameworkVersion(), 2022.011);
    fw::RuntimeInitExternalClasses_();
    EXPECT_TRUE(fw::IsClassRegistered_("NilObjectException"));
    EXPECT_EQ(fw::CreateInstance_("MessageDialog")->ClassName(), "MessageDialog");
    EXPECT_EQ(fw::CreateInstance_("Nope"), nullptr);
    fw::InitPluginEntrypoints_();
    EXPECT_EQ(fw::CreateInstance_("Shell")->ClassName(), "Shell");
    EXPECT_EQ(fw::CreateInstance_("RegEx")->ClassName(), "RegEx");
    EXPECT_EQ(fw::GetAppObject_(), nullptr);
}

TEST_F(RuntimeTest, KeysAppearanceAndDesktopServicesGoThroughTheBackend) {
    // Before initialisation nothing reaches the backend.
    Backend().SetOptionKey(true);
    EXPECT_FALSE(fw::Keyboard::AsyncOptionKey());
    StartFramework();
    EXPECT_TRUE(fw::Keyboard::AsyncOptionKey());
    EXPECT_FALSE(fw::Keyboard::AsyncCommandKey());
    Backend().SetCommandKey(true);
    EXPECT_TRUE(fw::Keyboard::AsyncCommandKey());  // read at the moment of the query
    EXPECT_FALSE(fw::IsDarkMode());
    Backend().SetDarkMode(true);
    EXPECT_TRUE(fw::IsDarkMode());

    fw::SetAutomaticWindowTabbing(false);
    fw::ActivateApplication();
    EXPECT_FALSE(fw::RevealInFileManager("/nonexistent/file.otf"));
    EXPECT_TRUE(fw::FileIcon("/nonexistent/file.otf", 16).IsEmpty());
    auto icon = fw::FileIcon("/", 32);
    EXPECT_EQ(icon.Width, 32);
    EXPECT_EQ(icon.Pixels.size(), 32u * 32u * 4u);
    EXPECT_EQ(Backend().TabbingSwitches(), (std::vector<bool>{false}));
    EXPECT_EQ(Backend().Activations(), 1);
    EXPECT_EQ(Backend().Reveals(), (std::vector<std::string>{"/nonexistent/file.otf"}));
    ASSERT_EQ(Backend().IconRequests().size(), 2u);
    EXPECT_EQ(Backend().IconRequests()[1].PixelSize, 32);

    auto app = fw::New<fw::Application>();
    app->_x_SetVersionData(3, 1, 0, 12, 0, "Tessary 3.1.0", "3.1.0", "");
    fw::RuntimeRegisterAppObject_(app);
    fw::ShowAboutBox();
    ASSERT_EQ(Backend().AboutBoxes().size(), 1u);
    EXPECT_EQ(Backend().AboutBoxes()[0].Version, "3.1.0");
    EXPECT_EQ(Backend().AboutBoxes()[0].Name, app->ExecutableFile()->Name());
}

TEST_F(RuntimeTest, TheWindowsScreenIsTheOneTheBackendReports) {
    StartFramework();
    std::vector<std::string> log;
    auto w = MakeWindow(&log, "W");
    w->OpenNow_();
    EXPECT_EQ(fw::WindowScreenIndex(w), 0);
    Backend().SetWindowScreen(w->Id(), -1);
    EXPECT_EQ(fw::WindowScreenIndex(w), -1);
    EXPECT_EQ(fw::KeyWindow(), w);
}

}  // namespace
}  // namespace uitest
