#pragma once
// The framework runtime: start-up, the event loop, the application object, classes
// registered by name with their implicit window instances, and the handling of
// exceptions that nothing caught.
//
// A program's start-up runs RuntimeInit, RuntimePerformInitializers, its own start-up
// (which calls RunFrameworkInitialization_ and RuntimeRun_), RuntimePerformFinalizers
// and returns RuntimeExit().

#include <exception>
#include <functional>
#include <string>

#include "MainThread.h"
#include "Object.h"

namespace fw {

class Application;
class Window;

// Starts (or restarts) the runtime on the calling thread, which becomes the main thread:
// every application, window, file type, registration and translation read by an earlier
// run is dropped and a fresh backend is made (it is initialised by
// RunFrameworkInitialization_).
void RuntimeInit();

// Static initialisers run by RuntimePerformInitializers, in the order registered.
// Registration is meant for static initialisation and is kept across RuntimeInit.
void RegisterInitializer(std::function<void()> initializer);
void RuntimePerformInitializers();
// Finalisers run by RuntimePerformFinalizers, last registered first.
void RegisterFinalizer(std::function<void()> finalizer);
void RuntimePerformFinalizers();
// The exit status the program asked for with Quit; 0 by default, non-zero after an
// unhandled exception.
int RuntimeExit();

// Calls function and returns Nil when it returns normally, or the RuntimeException
// that escaped it as a RuntimeExceptionObject. Any other exception passes on.
Ref<Object> CallFunctionWithExceptionHandling_(const std::function<void()>& function);
// How the runtime calls event handlers: the helper gets the handler to run and answers
// as CallFunctionWithExceptionHandling_ does. An empty helper restores the built-in one.
using ExceptionHelper = std::function<Ref<Object>(const std::function<void()>&)>;
void RuntimeSetExceptionHelper_(ExceptionHelper helper);

// The version of the framework the program was built for.
void SetFrameworkVersion(double version);
double FrameworkVersion();

// Registers the classes whose objects the runtime creates by itself.
void RuntimeInitExternalClasses_();
// Binds the Shell and RegEx services and checks that both can be used; RuntimeException
// when one can't.
void InitPluginEntrypoints_();

// Initialises the backend, installs the message box, then calls lateStartup.
void RunFrameworkInitialization_(const std::function<void()>& lateStartup);
// Raises the application's Open event, then opens the windows made so far (in the
// order they were made), then runs the event loop until the application quits. After a
// quit requested during the application's Open no window opens and the loop is not run.
void RuntimeRun_();

// The one application object.
void RuntimeRegisterAppObject_(const Ref<Application>& app);
Ref<Application> GetAppObject_();

// Classes registered by name, with a factory for the ones the runtime creates itself.
void RegisterClass_(const std::string& className, std::function<Ref<Object>()> factory);
bool IsClassRegistered_(const std::string& className);
// A new object of a registered class; Nil for an unknown name or a class without a factory.
Ref<Object> CreateInstance_(const std::string& className);

// The implicit instance of a window class, or Nil. A window becomes its class's implicit
// instance when it is constructed and there is none, and stops being it when it closes.
Ref<Window> GetImplicitWindow_(const std::string& className);
void SetImplicitWindow_(const std::string& className, const Ref<Window>& window);

// Reports an exception nothing caught: an alert and standard error show its class and
// message, then the program ends with status 1 through the exit hook. When the hook
// returns (tests), the event loop is stopped and RuntimeExit() gives 1.
void UnhandledException_(const std::exception& exception);
// Replaces how the program ends after an unhandled exception (default: std::exit).
// An empty hook restores the default.
void SetExitHook_(std::function<void(int status)> hook);

}  // namespace fw
