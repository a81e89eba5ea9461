#include "cocoa/AppKitSupport.h"
#include "cocoa/ClassRegistry.h"
#include "framework/Runtime.h"
#include "framework/UiRuntime.h"

namespace cocoa::detail {

fw::Backend* ActiveBackend() {
    // The backend's user-interface calls belong to the main thread.
    fw::RequireMainThread();
    return fw::UiRuntime::Get().ActiveBackend();
}

void DefineAppKitClasses() {
    DefineResponderClasses();
    DefineApplicationClass();
    DefineWindowClasses();
    DefineViewClasses();
    DefineScreenClass();
    DefineMenuClasses();
    DefineWorkspaceClasses();
}

}  // namespace cocoa::detail
