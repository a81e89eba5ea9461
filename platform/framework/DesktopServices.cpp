#include "DesktopServices.h"

#include "Application.h"
#include "RectControl.h"
#include "Runtime.h"
#include "SpecialFolder.h"
#include "UiRuntime.h"
#include "Window.h"

namespace fw {

namespace {

Backend* ActiveBackend() {
    RequireMainThread();
    return UiRuntime::Get().ActiveBackend();
}

}  // namespace

RgbaImage FileIcon(const std::string& path, int pixelSize) {
    Backend* backend = ActiveBackend();
    return backend && pixelSize > 0 ? backend->FileIcon(path, pixelSize) : RgbaImage{};
}

bool RevealInFileManager(const std::string& path) {
    Backend* backend = ActiveBackend();
    return backend && backend->RevealFile(path);
}

void ActivateApplication() {
    if (Backend* backend = ActiveBackend()) {
        backend->ActivateApplication();
    }
}

void ShowAboutBox() {
    Backend* backend = ActiveBackend();
    if (!backend) {
        return;
    }
    auto executable = ExecutableFile();
    std::string name = executable ? executable->Name() : std::string();
    auto app = GetAppObject_();
    backend->ShowAboutBox(name, app ? app->ShortVersion() : std::string());
}

void SetAutomaticWindowTabbing(bool allowed) {
    if (Backend* backend = ActiveBackend()) {
        backend->SetAutomaticWindowTabbing(allowed);
    }
}

int WindowScreenIndex(const Ref<Window>& window) {
    Backend* backend = ActiveBackend();
    if (!backend || !window || !window->HasPeer_() || window->IsClosed()) {
        return -1;
    }
    return backend->WindowScreen(window->Id());
}

Ref<Window> KeyWindow() {
    Backend* backend = ActiveBackend();
    return backend ? UiRuntime::Get().FindWindow(backend->KeyWindow()) : nullptr;
}

Ref<RectControl> FocusedControl() {
    Backend* backend = ActiveBackend();
    return backend ? UiRuntime::Get().FindControl(backend->FocusedControl()) : nullptr;
}

void MinimizeWindow(const Ref<Window>& window) {
    Backend* backend = ActiveBackend();
    if (backend && window && window->HasPeer_() && !window->IsClosed()) {
        backend->MinimizeWindow(window->Id());
    }
}

void ZoomWindow(const Ref<Window>& window) {
    Backend* backend = ActiveBackend();
    if (backend && window && window->HasPeer_() && !window->IsClosed()) {
        backend->ZoomWindow(window->Id());
    }
}

void BringAllWindowsToFront() {
    Backend* backend = ActiveBackend();
    if (!backend) {
        return;
    }
    // Oldest first, so the window that was frontmost ends up in front again.
    for (const auto& window : UiRuntime::Get().Windows()) {
        if (window->IsOpen() && window->Visible()) {
            backend->RaiseWindow(window->Id());
        }
    }
}

}  // namespace fw
