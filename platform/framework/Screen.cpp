#include "Screen.h"

#include "Runtime.h"
#include "UiRuntime.h"

namespace fw {

namespace {

std::vector<ScreenInfo> CurrentScreens() {
    Backend* backend = UiRuntime::Get().ActiveBackend();
    std::vector<ScreenInfo> screens;
    if (backend) {
        screens = backend->Screens();
    }
    if (screens.empty()) {
        // Before the backend runs: one ordinary display.
        screens.push_back(ScreenInfo{PeerRect{0, 0, 1440, 900}, PeerRect{0, 25, 1440, 875}});
    }
    return screens;
}

}  // namespace

Ref<Screen> ScreenAt(std::int64_t index) {
    RequireMainThread();
    auto screens = CurrentScreens();
    if (index < 0 || index >= static_cast<std::int64_t>(screens.size())) {
        return nullptr;
    }
    const auto& info = screens[static_cast<std::size_t>(index)];
    auto screen = New<Screen>();
    screen->Index = index;
    screen->Left = info.Frame.Left;
    screen->Top = info.Frame.Top;
    screen->Width = info.Frame.Width;
    screen->Height = info.Frame.Height;
    screen->AvailableLeft = info.Available.Left;
    screen->AvailableTop = info.Available.Top;
    screen->AvailableWidth = info.Available.Width;
    screen->AvailableHeight = info.Available.Height;
    return screen;
}

std::int64_t ScreenCount() {
    RequireMainThread();
    return static_cast<std::int64_t>(CurrentScreens().size());
}

}  // namespace fw
