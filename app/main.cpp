// The process entry.
#include <exception>

#include "app/Startup.h"
#include "framework/Runtime.h"

int main() {
    fw::RuntimeInit();
    try {
        fw::RuntimePerformInitializers();
    } catch (const std::exception& exception) {
        // A failed static initialiser: no application, no window.
        fw::UnhandledException_(exception);
        fw::RuntimePerformFinalizers();
        return fw::RuntimeExit();
    }
    Main_();
    fw::RuntimePerformFinalizers();
    return fw::RuntimeExit();
}
