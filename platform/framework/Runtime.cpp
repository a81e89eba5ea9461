#include "Runtime.h"

#include <cstdio>
#include <cstdlib>
#include <typeinfo>
#include <vector>

#include "Application.h"
#include "MessageDialog.h"
#include "MsgBox.h"
#include "RegEx.h"
#include "RuntimeException.h"
#include "RuntimeExceptionObject.h"
#include "Shell.h"
#include "System.h"
#include "UiRuntime.h"
#include "Window.h"

namespace fw {

namespace {

std::vector<std::function<void()>>& Initializers() {
    static std::vector<std::function<void()>> list;
    return list;
}

std::vector<std::function<void()>>& Finalizers() {
    static std::vector<std::function<void()>> list;
    return list;
}

std::function<void(int)>& ExitHook() {
    static std::function<void(int)> hook;
    return hook;
}

void ShowMsgBoxThroughBackend(const std::string& text) {
    Backend* backend = UiRuntime::Get().ActiveBackend();
    if (!backend) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    DialogRequest request;
    request.Message = text;
    request.IsMsgBox = true;
    UiRuntime::Get().FlushPendingUpdates();
    backend->ShowDialog(request);
}

}  // namespace

void RuntimeInit() {
    UiRuntime::Restart();
    SetMsgBoxPresenter(nullptr);
    SystemObject()->ForgetTranslations_();
}

void RegisterInitializer(std::function<void()> initializer) {
    Initializers().push_back(std::move(initializer));
}

void RuntimePerformInitializers() {
    for (const auto& initializer : Initializers()) {
        initializer();
    }
}

void RegisterFinalizer(std::function<void()> finalizer) {
    Finalizers().push_back(std::move(finalizer));
}

void RuntimePerformFinalizers() {
    auto& list = Finalizers();
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        (*it)();
    }
}

int RuntimeExit() {
    return UiRuntime::Get().ExitCode();
}

Ref<Object> CallFunctionWithExceptionHandling_(const std::function<void()>& function) {
    try {
        function();
    } catch (const RuntimeException&) {
        return New<RuntimeExceptionObject>(std::current_exception());
    }
    return nullptr;
}

void RuntimeSetExceptionHelper_(ExceptionHelper helper) {
    UiRuntime::Get().exceptionHelper = std::move(helper);
}

void SetFrameworkVersion(double version) {
    UiRuntime::Get().frameworkVersion = version;
}

double FrameworkVersion() {
    return UiRuntime::Get().frameworkVersion;
}

void RuntimeInitExternalClasses_() {
    auto& classes = UiRuntime::Get().classes;
    classes["MessageDialog"] = [] { return Ref<Object>(New<MessageDialog>()); };
    for (const char* name :
         {"RuntimeException", "NilObjectException", "IllegalCastException", "OutOfBoundsException",
          "IOException", "JSONException", "RegExException", "ThreadAccessingUIException"}) {
        classes[name] = nullptr;
    }
}

void InitPluginEntrypoints_() {
    auto& classes = UiRuntime::Get().classes;
    classes["Shell"] = [] { return Ref<Object>(New<Shell>()); };
    classes["RegEx"] = [] { return Ref<Object>(New<RegEx>()); };
    // A pattern the engine must take proves the regular-expression service is there.
    RegEx probe;
    probe.SearchPattern = "a+";
    if (!probe.Search("baa")) {
        throw RuntimeException("The RegEx service does not work.");
    }
}

void RunFrameworkInitialization_(const std::function<void()>& lateStartup) {
    RequireMainThread();
    UiRuntime::Get().InitializeBackend();
    SetMsgBoxPresenter(ShowMsgBoxThroughBackend);
    if (lateStartup) {
        lateStartup();
    }
}

void RuntimeRun_() {
    RequireMainThread();
    auto& runtime = UiRuntime::Get();
    runtime.InitializeBackend();
    runtime.OpenApplicationAndWindows();
    if (!runtime.Quitting()) {
        runtime.AnyBackend()->Run();
    }
}

void RuntimeRegisterAppObject_(const Ref<Application>& app) {
    UiRuntime::Get().app = app;
}

Ref<Application> GetAppObject_() {
    return UiRuntime::Get().app;
}

void RegisterClass_(const std::string& className, std::function<Ref<Object>()> factory) {
    UiRuntime::Get().classes[className] = std::move(factory);
}

bool IsClassRegistered_(const std::string& className) {
    return UiRuntime::Get().classes.contains(className);
}

Ref<Object> CreateInstance_(const std::string& className) {
    auto& classes = UiRuntime::Get().classes;
    auto it = classes.find(className);
    if (it == classes.end() || !it->second) {
        return nullptr;
    }
    return it->second();
}

Ref<Window> GetImplicitWindow_(const std::string& className) {
    auto& windows = UiRuntime::Get().implicitWindows;
    auto it = windows.find(className);
    return it == windows.end() ? nullptr : it->second;
}

void SetImplicitWindow_(const std::string& className, const Ref<Window>& window) {
    auto& windows = UiRuntime::Get().implicitWindows;
    if (window) {
        windows[className] = window;
    } else {
        windows.erase(className);
    }
}

void UnhandledException_(const std::exception& exception) {
    std::string className = "std::exception";
    std::string message = exception.what();
    if (const auto* runtimeException = dynamic_cast<const RuntimeException*>(&exception)) {
        className = runtimeException->ClassName();
        message = runtimeException->Message;
    }
    std::fprintf(stderr, "Unhandled %s: %s\n", className.c_str(), message.c_str());
    std::fflush(stderr);

    auto& runtime = UiRuntime::Get();
    if (Backend* backend = runtime.ActiveBackend(); backend && IsMainThread()) {
        DialogRequest request;
        request.Icon = MessageDialog::kIconStop;
        request.Message = "An exception of class " + className + " was not handled.";
        request.Explanation = message;
        backend->ShowDialog(request);
    }
    runtime.SetExitCode(1);
    if (auto& hook = ExitHook()) {
        hook(1);
    } else {
        // Not std::exit: static destructors would tear the backend down after the
        // toolkit's own globals are gone, and from inside one of its event handlers.
        std::fflush(nullptr);
        std::_Exit(1);
    }
    // The hook returned (tests): stop the loop without the quit sequence.
    runtime.AnyBackend()->Quit();
}

void SetExitHook_(std::function<void(int status)> hook) {
    ExitHook() = std::move(hook);
}

}  // namespace fw
