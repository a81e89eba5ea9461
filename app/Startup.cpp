#include "app/Startup.h"

#include <exception>

#include "app/App.h"
#include "app/FileTypeGroup1.h"
#include "framework/Application.h"
#include "framework/DesktopColorPicker.h"
#include "framework/Runtime.h"
#include "menus/MainMenuBar.h"
#include "window/Window1.h"

namespace {

constexpr double kFrameworkVersion = 2022.011;

}  // namespace

void Main_() {
    try {
        fw::RuntimeSetExceptionHelper_([](const std::function<void()>& function) {
            return fw::CallFunctionWithExceptionHandling_(function);
        });
        fw::SetFrameworkVersion(kFrameworkVersion);
        EarlyStartup_();
        fw::RunFrameworkInitialization_(LateStartup_);
        fw::RuntimeRun_();
    } catch (const std::exception& exception) {
        fw::UnhandledException_(exception);
    }
}

void EarlyStartup_() {
    fw::Application::SetSupportsHiDPI_(true);
    fw::DesktopApplication::EnableDarkModeSupport_();
    fw::RuntimeInitExternalClasses_();
    fw::InitPluginEntrypoints_();
    InitFileTypes_();
    NewAppInstance_();
    ApplicationAddMenuHandlers_();
}

void InitFileTypes_() {
    FileTypeGroup1::Initialize_();
}

void NewAppInstance_() {
    auto app = fw::New<class App>();
    app->Constructor();
    app->_x_SetVersionData(3, 1, 0, 12, 0, "Tessary 3.1.0", "3.1.0", "");
    app->SanityCheckWDDM_();
    app->MenuBar(MainMenuBar());
    fw::RuntimeRegisterAppObject_(app);
    fw::DesktopColorPicker::Close();
}

void ApplicationAddMenuHandlers_() {
    fw::Ref<class App> app = App();
    std::weak_ptr<fw::Object> weak = app->weak_from_this();
    app->AddMenuHandler_("AppAbout", [weak] {
        auto target = std::static_pointer_cast<class App>(weak.lock());
        return target ? target->AppAbout_Action_() : false;
    });
}

void LateStartup_() {
    MakeDefaultView_();
}

void MakeDefaultView_() {
    static_cast<void>(Window1());
}
