#pragma once
// Framework internals: the state of one run of the runtime, and the model side of the
// backend (BackendHost). Not for programs.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "Backend.h"
#include "FileType.h"
#include "Object.h"
#include "Runtime.h"

namespace fw {

class Application;
class Listbox;
class PushButton;
class RectControl;
class Window;

class UiRuntime : public BackendHost {
public:
    // The current run's state (made on first use, replaced by RuntimeInit).
    static UiRuntime& Get();
    static void Restart();

    // The backend once initialised, else nullptr.
    Backend* ActiveBackend() { return initialized_ ? backend_.get() : nullptr; }
    Backend* AnyBackend() { return backend_.get(); }
    void InitializeBackend();

    PeerId NextPeerId() { return nextPeerId_++; }

    // Raises an event through the exception helper; an exception that escapes the
    // handler goes to UnhandledException_. When the outermost event returns, deferred
    // peer updates are sent, unless flushAfter is false (paint events).
    void RaiseEvent(const std::function<void()>& handler, bool flushAfter = true);

    // Deferred peer updates: a list whose rows changed is sent once, when the outermost
    // event handler returns, before a modal dialog shows, when the backend asks
    // (FlushPendingUpdates), or at the latest by a task posted to the event loop.
    void ScheduleRowsUpdate(const std::shared_ptr<Listbox>& list);

    // Windows.
    void AddWindow(const Ref<Window>& window);
    void RemoveWindow(const Window& window);
    const std::vector<Ref<Window>>& Windows() const { return windows_; }
    Ref<Window> FindWindow(PeerId id) const;
    Ref<RectControl> FindControl(PeerId id) const;
    bool AppOpened() const { return appOpened_; }
    void OpenApplicationAndWindows();

    // Quitting.
    void RequestQuit(int exitCode);
    bool Quitting() const { return quitting_; }
    void WindowClosed();
    int ExitCode() const { return exitCode_; }
    void SetExitCode(int code) { exitCode_ = code; }

    Ref<Application> app;
    std::map<std::string, Ref<Window>> implicitWindows;
    std::map<std::string, std::function<Ref<Object>()>> classes;
    std::map<std::string, Ref<FileType>> fileTypes;
    ExceptionHelper exceptionHelper;
    double frameworkVersion{0};
    bool supportsHiDPI{false};
    bool darkModeSupport{false};

    // BackendHost
    void WindowFrameChanged(PeerId window, const PeerRect& frame) override;
    void WindowCloseRequested(PeerId window) override;
    void WindowPaint(PeerId window, const Ref<Graphics>& g,
                     const std::vector<PeerRect>& areas) override;
    bool WindowAcceptsDrop(PeerId window, const std::vector<std::string>& paths) override;
    void WindowFilesDropped(PeerId window, const std::vector<std::string>& paths) override;
    void ButtonClicked(PeerId control) override;
    void ListSelectionChanged(PeerId control, const std::vector<int>& rows) override;
    void ListDoubleClicked(PeerId control, int row) override;
    bool ListCellBackgroundPaint(PeerId control, int row, int column,
                                 const Ref<Graphics>& g) override;
    void MenuAboutToShow(const Ref<MenuItem>& menu) override;
    void MenuItemChosen(const Ref<MenuItem>& item) override;
    void QuitRequested() override;
    void FlushPendingUpdates() override;

    // Made only by Get and Restart (the tag is theirs alone).
    struct MakeTag {
    private:
        MakeTag() = default;
        friend class UiRuntime;
    };
    explicit UiRuntime(MakeTag);

private:
    // The key window and its focused control, whose menu handlers come first; Nil for
    // none.
    struct KeyTargets {
        Ref<Window> window;
        Ref<RectControl> control;
    };
    KeyTargets MenuKeyTargets() const;
    // Whether anything would act on the item when chosen: a menu handler of the focused
    // control, the key window or the application, or the framework's own action.
    bool CanActOn(const MenuItem& item) const;
    // The enabling pass of one item: the AutoEnabled rule, then its EnableMenu event.
    void EnableMenuItem(const Ref<MenuItem>& item);

    std::unique_ptr<Backend> backend_;
    bool initialized_{false};
    PeerId nextPeerId_{1};
    std::vector<Ref<Window>> windows_;
    bool appOpened_{false};
    bool quitting_{false};
    int exitCode_{0};
    int eventDepth_{0};
    std::vector<std::weak_ptr<Listbox>> pendingLists_;
    bool flushPosted_{false};
};

}  // namespace fw
