#include "Keyboard.h"

#include "Runtime.h"
#include "UiRuntime.h"

namespace fw {

bool Keyboard::AsyncOptionKey() {
    Backend* backend = UiRuntime::Get().ActiveBackend();
    return backend && backend->OptionKeyDown();
}

bool Keyboard::AsyncCommandKey() {
    Backend* backend = UiRuntime::Get().ActiveBackend();
    return backend && backend->CommandKeyDown();
}

}  // namespace fw
