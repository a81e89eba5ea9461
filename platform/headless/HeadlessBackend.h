#pragma once
// A backend without a display, for tests. It keeps what the model sends it, lets the
// test set the machine's state (screens, keys, appearance), act as the user (drops,
// clicks, menus, paints, window moves) and answer modal dialogs, and records every
// desktop service asked for.
//
// The event loop runs the queued tasks in order (Post), then returns when the queue
// is empty or Quit was called: a test queues a whole session before RuntimeRun_.

#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "framework/Backend.h"
#include "framework/MenuBar.h"
#include "framework/Picture.h"

namespace fw::headless {

struct WindowRecord {
    WindowState State;                // kept up to date by every call of the model
    std::vector<PeerRect> FramesSet;  // every frame the model set, in order
    Ref<fw::MenuBar> MenuBar;
    bool AcceptsDrops{false};
    bool Destroyed{false};
    int Invalidations{0};
    int Minimizations{0};
    int Zooms{0};
    int Raises{0};
};

struct ControlRecord {
    PeerId Window{0};
    ControlState State;
    std::vector<ListRowState> Rows;
    int RowUpdates{0};  // how many times the model sent the rows
    std::vector<int> Selection;
    bool Destroyed{false};
};

struct DialogRecord {
    DialogRequest Request;
    DialogResult Answer{DialogResult::Action};
};

struct CellPaint {
    int Row{0};
    int Column{0};
    bool Answer{false};
    Ref<Picture> Background;  // what the handler drew into the cell
};

struct IconRequest {
    std::string Path;
    int PixelSize{0};
};

struct AboutBox {
    std::string Name;
    std::string Version;
};

class HeadlessBackend : public Backend {
public:
    HeadlessBackend();

    // --- The machine ---
    // Replaces the displays (at least one; an empty list keeps the current ones).
    void SetScreens(std::vector<ScreenInfo> screens);
    // The display that shows a window (-1: none). Unset windows show on the display
    // that holds the centre of their frame, else on none.
    void SetWindowScreen(PeerId window, int screen);
    void SetOptionKey(bool down) { optionKey_ = down; }
    void SetCommandKey(bool down) { commandKey_ = down; }
    void SetDarkMode(bool dark) { darkMode_ = dark; }
    void SetKeyWindow(PeerId window) { keyWindow_ = window; }
    // The height of the menu bar inside every window that shows one (its own or the
    // application's); 0, the default, puts the bar outside the windows, as on the Mac.
    void SetInWindowMenuBarHeight(int height) { inWindowMenuBarHeight_ = height; }
    void SetFocusedControl(PeerId control) { focusedControl_ = control; }
    // Answers for the next dialogs, in order; with none left a dialog answers Action.
    void QueueDialogAnswer(DialogResult answer) { answers_.push_back(answer); }
    // Called with every dialog as it is shown, before it is answered.
    void SetDialogObserver(std::function<void(const DialogRecord&)> observer) {
        dialogObserver_ = std::move(observer);
    }

    // --- The user (main thread; inside Run through Post, or directly) ---
    // Drops paths on a window that takes drops: asks the model whether it would accept
    // them, and drops them when it would. Answers whether the drop was delivered.
    bool DropPaths(PeerId window, const std::vector<std::string>& paths);
    void ClickButton(PeerId control);
    void SelectRows(PeerId control, const std::vector<int>& rows);
    // Selects the row (as a click does), then reports the double-click.
    void DoubleClickRow(PeerId control, int row);
    void MoveWindow(PeerId window, const PeerRect& frame);
    void RequestClose(PeerId window);
    void OpenMenu(const Ref<MenuItem>& menu);
    void ChooseMenuItem(const Ref<MenuItem>& item);
    void RequestQuit();
    // Paints the window's own drawing into a picture of its content size (Nil when the
    // window has no size).
    Ref<Picture> PaintWindow(PeerId window);
    // Raises the background paint for every row of the list, column by column.
    std::vector<CellPaint> PaintList(PeerId control);

    // --- What the model sent ---
    const std::map<PeerId, WindowRecord>& Windows() const { return windows_; }
    const WindowRecord& Window(PeerId window) const;
    const ControlRecord& Control(PeerId control) const;
    const std::vector<DialogRecord>& Dialogs() const { return dialogs_; }
    const std::vector<IconRequest>& IconRequests() const { return iconRequests_; }
    const std::vector<std::string>& Reveals() const { return reveals_; }
    int Activations() const { return activations_; }
    const std::vector<AboutBox>& AboutBoxes() const { return aboutBoxes_; }
    bool AboutBoxOpen() const { return aboutBoxOpen_; }
    // Every tabbing switch, in order.
    const std::vector<bool>& TabbingSwitches() const { return tabbingSwitches_; }
    Ref<MenuBar> ApplicationMenuBar() const { return appMenuBar_; }
    bool Initialized() const { return host_ != nullptr; }
    bool QuitCalled() const { return quit_; }

    // Backend
    void Initialize(BackendHost& host) override;
    void Run() override;
    void Quit() override;
    void Post(std::function<void()> task) override;
    void CreateWindow(PeerId window, const WindowState& state) override;
    void DestroyWindow(PeerId window) override;
    void SetWindowTitle(PeerId window, const std::string& title) override;
    void SetWindowFrame(PeerId window, const PeerRect& frame) override;
    void SetWindowSizeLimits(PeerId window, int minWidth, int minHeight, int maxWidth,
                             int maxHeight) override;
    void SetWindowResizeable(PeerId window, bool resizeable) override;
    void SetWindowVisible(PeerId window, bool visible) override;
    void SetWindowMenuBar(PeerId window, const Ref<MenuBar>& bar) override;
    void SetWindowAcceptsDrops(PeerId window, bool accepts) override;
    void InvalidateWindow(PeerId window) override;
    void MinimizeWindow(PeerId window) override;
    void ZoomWindow(PeerId window) override;
    void RaiseWindow(PeerId window) override;
    PeerId KeyWindow() override { return keyWindow_; }
    int WindowMenuBarHeight(PeerId window) override;
    void CreateControl(PeerId window, PeerId control, const ControlState& state) override;
    void DestroyControl(PeerId control) override;
    void UpdateControl(PeerId control, const ControlState& state) override;
    void SetListRows(PeerId control, const std::vector<ListRowState>& rows) override;
    void SetListSelection(PeerId control, const std::vector<int>& selectedRows) override;
    PeerId FocusedControl() override { return focusedControl_; }
    void SetApplicationMenuBar(const Ref<MenuBar>& bar) override { appMenuBar_ = bar; }
    DialogResult ShowDialog(const DialogRequest& request) override;
    std::vector<ScreenInfo> Screens() override { return screens_; }
    int WindowScreen(PeerId window) override;
    bool OptionKeyDown() override { return optionKey_; }
    bool CommandKeyDown() override { return commandKey_; }
    bool IsDarkMode() override { return darkMode_; }
    RgbaImage FileIcon(const std::string& path, int pixelSize) override;
    bool RevealFile(const std::string& path) override;
    void ActivateApplication() override { ++activations_; }
    // The box takes the keyboard from the key window, and gives it back on closing.
    void ShowAboutBox(const std::string& name, const std::string& version) override;
    bool AboutBoxIsKey() override { return aboutBoxOpen_ && keyWindow_ == 0; }
    void CloseAboutBox() override;
    void SetAutomaticWindowTabbing(bool allowed) override { tabbingSwitches_.push_back(allowed); }

private:
    WindowRecord& LiveWindow(PeerId window);
    ControlRecord& LiveControl(PeerId control);
    bool IsLiveControl(PeerId control) const;

    // Reads of the mirrored state and the user's acts on a list first take the model's
    // deferred updates, as a display would have shown them by then.
    void SyncWithModel() const;

    BackendHost* host_{nullptr};
    std::mutex queueMutex_;
    std::deque<std::function<void()>> queue_;
    bool quit_{false};

    std::vector<ScreenInfo> screens_;
    std::map<PeerId, int> windowScreens_;
    bool optionKey_{false};
    bool commandKey_{false};
    bool darkMode_{false};
    PeerId keyWindow_{0};
    int inWindowMenuBarHeight_{0};
    PeerId focusedControl_{0};
    std::deque<DialogResult> answers_;
    std::function<void(const DialogRecord&)> dialogObserver_;

    std::map<PeerId, WindowRecord> windows_;
    std::map<PeerId, ControlRecord> controls_;
    std::vector<DialogRecord> dialogs_;
    std::vector<IconRequest> iconRequests_;
    std::vector<std::string> reveals_;
    int activations_{0};
    std::vector<AboutBox> aboutBoxes_;
    bool aboutBoxOpen_{false};
    PeerId keyBeforeAboutBox_{0};
    std::vector<bool> tabbingSwitches_;
    Ref<MenuBar> appMenuBar_;
};

// The backend that the latest CreateBackend() made (the runtime's current one).
// RuntimeError when none has been made.
HeadlessBackend& Instance();

}  // namespace fw::headless
