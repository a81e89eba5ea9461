#include "Appearance.h"

#include "UiRuntime.h"

namespace fw {

bool IsDarkMode() {
    Backend* backend = UiRuntime::Get().ActiveBackend();
    return backend && backend->IsDarkMode();
}

}  // namespace fw
