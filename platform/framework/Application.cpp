#include "Application.h"

#include "Runtime.h"
#include "SpecialFolder.h"
#include "UiRuntime.h"
#include "Window.h"

namespace fw {

void Application::_x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                                    std::int64_t nonRelease, std::int64_t stage,
                                    std::string longVersion, std::string shortVersion,
                                    std::string packageInfo) {
    majorVersion_ = major;
    minorVersion_ = minor;
    bugVersion_ = bug;
    nonReleaseVersion_ = nonRelease;
    stageCode_ = stage;
    longVersion_ = std::move(longVersion);
    shortVersion_ = std::move(shortVersion);
    packageInfo_ = std::move(packageInfo);
}

void Application::SetSupportsHiDPI_(bool supports) {
    UiRuntime::Get().supportsHiDPI = supports;
}

bool Application::SupportsHiDPI() {
    return UiRuntime::Get().supportsHiDPI;
}

void Application::EnableDarkModeSupport_() {
    UiRuntime::Get().darkModeSupport = true;
}

bool Application::DarkModeSupport() {
    return UiRuntime::Get().darkModeSupport;
}

void Application::MenuBar(const Ref<fw::MenuBar>& bar) {
    RequireMainThread();
    menuBar_ = bar;
    if (Backend* backend = UiRuntime::Get().ActiveBackend()) {
        backend->SetApplicationMenuBar(bar);
    }
}

Ref<FolderItem> Application::ExecutableFile() const {
    return fw::ExecutableFile();
}

void Application::Quit(int exitCode) {
    auto& runtime = UiRuntime::Get();
    if (!IsMainThread()) {
        runtime.AnyBackend()->Post([exitCode] { UiRuntime::Get().RequestQuit(exitCode); });
        return;
    }
    runtime.RequestQuit(exitCode);
}

std::int64_t Application::WindowCount() const {
    return static_cast<std::int64_t>(UiRuntime::Get().Windows().size());
}

Ref<fw::Window> Application::Window(std::int64_t index) const {
    const auto& windows = UiRuntime::Get().Windows();
    if (index < 0 || index >= static_cast<std::int64_t>(windows.size())) {
        return nullptr;
    }
    // Frontmost first: the most recently made window is the last one registered.
    return windows[windows.size() - 1 - static_cast<std::size_t>(index)];
}

void Application::ChooseMenuItem_(const Ref<MenuItem>& item) {
    if (menuHandlers_.Run(item->Name()) || item->RaiseAction()) {
        return;
    }
    if (item->QuitsApplication()) {
        Quit(0);
    }
}

}  // namespace fw
