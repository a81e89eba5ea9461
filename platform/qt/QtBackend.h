#pragma once
// The desktop backend on Qt 6 Widgets: real windows, controls, menus, dialogs, drops,
// screens and desktop services, mirroring the framework's model.

#include <QMessageBox>
#include <QPointer>
#include <atomic>
#include <map>
#include <memory>

#include "framework/Backend.h"

class QApplication;
class QObject;
class QWidget;

namespace fw::qt {

class QtControlPeer;
class QtMenuBarMirror;
class QtShortcutPreparer;
class QtWindowPeer;

class QtBackend : public Backend {
public:
    QtBackend();
    ~QtBackend() override;

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
    PeerId KeyWindow() override;
    int WindowMenuBarHeight(PeerId window) override;

    void CreateControl(PeerId window, PeerId control, const ControlState& state) override;
    void DestroyControl(PeerId control) override;
    void UpdateControl(PeerId control, const ControlState& state) override;
    void SetListRows(PeerId control, const std::vector<ListRowState>& rows) override;
    void SetListSelection(PeerId control, const std::vector<int>& selectedRows) override;
    PeerId FocusedControl() override;

    void SetApplicationMenuBar(const Ref<MenuBar>& bar) override;

    DialogResult ShowDialog(const DialogRequest& request) override;

    std::vector<ScreenInfo> Screens() override;
    int WindowScreen(PeerId window) override;
    bool OptionKeyDown() override;
    bool CommandKeyDown() override;
    bool IsDarkMode() override;

    RgbaImage FileIcon(const std::string& path, int pixelSize) override;
    bool RevealFile(const std::string& path) override;
    void ActivateApplication() override;
    void ShowAboutBox(const std::string& name, const std::string& version) override;
    bool AboutBoxIsKey() override;
    void CloseAboutBox() override;
    void SetAutomaticWindowTabbing(bool allowed) override;

    // For tests: the Qt window of a window peer, or nullptr.
    QWidget* WindowWidget(PeerId window) const;
    // For tests: the Qt widget of a control peer, or nullptr.
    QWidget* ControlWidget(PeerId control) const;

private:
    // Windows go with deleteLater: the model may destroy one from inside its own events.
    struct LaterDeleter {
        void operator()(QtWindowPeer* window) const;
    };

    QtWindowPeer* FindWindow(PeerId window) const;
    QtControlPeer* FindControl(PeerId control) const;
    // The bar a window shows: its own, else the application's.
    void ShowEffectiveMenuBar(QtWindowPeer& window);
    // Gives the application-wide shortcuts to the bar of the active window, else of the
    // window that was active last, else of the first window with a bar, so that they
    // reach the program from its other windows (the About box) too; the other bars keep
    // theirs to their own windows.
    void UpdateShortcutOwner();
    QtMenuBarMirror* ShortcutOwnerBar() const;

    QApplication& application_;
    BackendHost* host_{nullptr};
    std::atomic<bool> quitRequested_{false};
    // Receives Post's tasks on the main thread; gone with the backend.
    std::unique_ptr<QObject> postTarget_;
    std::unique_ptr<QtShortcutPreparer> shortcutPreparer_;
    std::map<PeerId, std::unique_ptr<QtWindowPeer, LaterDeleter>> windows_;
    std::map<PeerId, std::unique_ptr<QtControlPeer>> controls_;
    std::map<PeerId, Ref<MenuBar>> windowBars_;
    Ref<MenuBar> applicationBar_;
    PeerId shortcutOwner_{0};
    // The open About box; it deletes itself when closed.
    QPointer<QMessageBox> aboutBox_;
};

}  // namespace fw::qt
