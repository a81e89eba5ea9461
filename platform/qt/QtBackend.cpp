#include "QtBackend.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QSessionManager>
#include <QWidget>
#include <QWindow>

#include "QtApplicationInstance.h"
#include "QtButtonPeer.h"
#include "QtContentView.h"
#include "QtConversions.h"
#include "QtDesktopServices.h"
#include "QtDialogs.h"
#include "QtLabelPeer.h"
#include "QtListPeer.h"
#include "QtMenuBarMirror.h"
#include "QtShortcutPreparer.h"
#include "QtWindowPeer.h"

namespace fw {

std::unique_ptr<Backend> CreateBackend() {
    return std::make_unique<qt::QtBackend>();
}

}  // namespace fw

namespace fw::qt {

void QtBackend::LaterDeleter::operator()(QtWindowPeer* window) const {
    window->Detach();
    window->deleteLater();
}

QtBackend::QtBackend()
    : application_(AcquireApplication()),
      postTarget_(std::make_unique<QObject>()),
      shortcutPreparer_(
          std::make_unique<QtShortcutPreparer>([this] { return ShortcutOwnerBar(); })) {}

QtBackend::~QtBackend() {
    CloseAboutBox();
    controls_.clear();
    windows_.clear();
    shortcutPreparer_.reset();
    postTarget_.reset();
    // Delete the windows now rather than leave them to an event loop that may not run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtBackend::Initialize(BackendHost& host) {
    host_ = &host;
    QObject::connect(&application_, &QGuiApplication::commitDataRequest, postTarget_.get(),
                     [this](QSessionManager&) {
                         if (host_ != nullptr) {
                             host_->QuitRequested();
                         }
                     });
    QObject::connect(&application_, &QGuiApplication::focusWindowChanged, postTarget_.get(),
                     [this] { UpdateShortcutOwner(); });
}

void QtBackend::Run() {
    if (quitRequested_) {
        return;
    }
    QApplication::exec();
    // The About box may still be open. It goes now, while Qt is whole: the backend
    // itself may outlive Qt's own data when it goes with the program's static objects.
    CloseAboutBox();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtBackend::Quit() {
    quitRequested_ = true;
    // Queued, so that it also works from another thread and ends a loop that is about
    // to start; exit() leaves every running loop, modal ones included.
    QMetaObject::invokeMethod(
        postTarget_.get(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void QtBackend::Post(std::function<void()> task) {
    QMetaObject::invokeMethod(postTarget_.get(), std::move(task), Qt::QueuedConnection);
}

QtWindowPeer* QtBackend::FindWindow(PeerId window) const {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : found->second.get();
}

QtControlPeer* QtBackend::FindControl(PeerId control) const {
    const auto found = controls_.find(control);
    return found == controls_.end() ? nullptr : found->second.get();
}

QWidget* QtBackend::WindowWidget(PeerId window) const {
    return FindWindow(window);
}

QWidget* QtBackend::ControlWidget(PeerId control) const {
    QtControlPeer* peer = FindControl(control);
    return peer == nullptr ? nullptr : peer->Widget();
}

void QtBackend::CreateWindow(PeerId window, const WindowState& state) {
    if (host_ == nullptr || FindWindow(window) != nullptr) {
        return;
    }
    std::unique_ptr<QtWindowPeer, LaterDeleter> peer(new QtWindowPeer(window, state, *host_));
    QtWindowPeer& created = *peer;
    windows_.emplace(window, std::move(peer));
    ShowEffectiveMenuBar(created);
    created.setVisible(state.Visible);
}

void QtBackend::DestroyWindow(PeerId window) {
    for (auto it = controls_.begin(); it != controls_.end();) {
        it = it->second->Window() == window ? controls_.erase(it) : std::next(it);
    }
    windowBars_.erase(window);
    windows_.erase(window);
    UpdateShortcutOwner();
}

void QtBackend::SetWindowTitle(PeerId window, const std::string& title) {
    if (QtWindowPeer* peer = FindWindow(window)) {
        peer->setWindowTitle(ToQString(title));
    }
}

void QtBackend::SetWindowFrame(PeerId window, const PeerRect& frame) {
    if (QtWindowPeer* peer = FindWindow(window)) {
        peer->SetContentFrame(frame);
    }
}

void QtBackend::SetWindowSizeLimits(PeerId window, int minWidth, int minHeight, int maxWidth,
                                    int maxHeight) {
    if (QtWindowPeer* peer = FindWindow(window)) {
        peer->SetSizeLimits(minWidth, minHeight, maxWidth, maxHeight);
    }
}

void QtBackend::SetWindowResizeable(PeerId window, bool resizeable) {
    if (QtWindowPeer* peer = FindWindow(window)) {
        peer->SetResizeable(resizeable);
    }
}

void QtBackend::SetWindowVisible(PeerId window, bool visible) {
    if (QtWindowPeer* peer = FindWindow(window)) {
        peer->setVisible(visible);
    }
}

void QtBackend::SetWindowMenuBar(PeerId window, const Ref<MenuBar>& bar) {
    if (bar) {
        windowBars_[window] = bar;
    } else {
        windowBars_.erase(window);
    }
    if (QtWindowPeer* peer = FindWindow(window)) {
        ShowEffectiveMenuBar(*peer);
    }
}

void QtBackend::ShowEffectiveMenuBar(QtWindowPeer& window) {
    const auto own = windowBars_.find(window.Id());
    window.ShowMenuBar(own != windowBars_.end() ? own->second : applicationBar_);
    UpdateShortcutOwner();
}

void QtBackend::UpdateShortcutOwner() {
    const auto hasBar = [this](PeerId id) {
        QtWindowPeer* peer = FindWindow(id);
        return peer != nullptr && peer->MenuBarMirror() != nullptr;
    };
    if (hasBar(KeyWindow())) {
        shortcutOwner_ = KeyWindow();
    } else if (!hasBar(shortcutOwner_)) {
        shortcutOwner_ = 0;
        for (const auto& [id, window] : windows_) {
            if (window->MenuBarMirror() != nullptr) {
                shortcutOwner_ = id;
                break;
            }
        }
    }
    for (const auto& [id, window] : windows_) {
        if (QtMenuBarMirror* bar = window->MenuBarMirror()) {
            bar->SetShortcutsApplicationWide(id == shortcutOwner_);
        }
    }
}

QtMenuBarMirror* QtBackend::ShortcutOwnerBar() const {
    QtWindowPeer* owner = FindWindow(shortcutOwner_);
    return owner != nullptr ? owner->MenuBarMirror() : nullptr;
}

void QtBackend::SetWindowAcceptsDrops(PeerId window, bool accepts) {
    if (QtWindowPeer* peer = FindWindow(window)) {
        peer->SetAcceptsFileDrops(accepts);
    }
}

void QtBackend::InvalidateWindow(PeerId window) {
    if (QtWindowPeer* peer = FindWindow(window)) {
        peer->Content()->update();
    }
}

void QtBackend::MinimizeWindow(PeerId window) {
    if (QtWindowPeer* peer = FindWindow(window)) {
        peer->showMinimized();
    }
}

void QtBackend::ZoomWindow(PeerId window) {
    if (QtWindowPeer* peer = FindWindow(window)) {
        peer->ToggleZoom();
    }
}

void QtBackend::RaiseWindow(PeerId window) {
    if (QtWindowPeer* peer = FindWindow(window)) {
        if (peer->isMinimized()) {
            peer->showNormal();
        }
        peer->raise();
        peer->activateWindow();
    }
}

PeerId QtBackend::KeyWindow() {
    auto* active = dynamic_cast<QtWindowPeer*>(QApplication::activeWindow());
    return active != nullptr && FindWindow(active->Id()) == active ? active->Id() : 0;
}

int QtBackend::WindowMenuBarHeight(PeerId window) {
    QtWindowPeer* peer = FindWindow(window);
    return peer != nullptr ? peer->MenuHeight() : 0;
}

void QtBackend::CreateControl(PeerId window, PeerId control, const ControlState& state) {
    QtWindowPeer* peer = FindWindow(window);
    if (peer == nullptr || host_ == nullptr || FindControl(control) != nullptr) {
        return;
    }
    QWidget* parent = peer->Content();
    std::unique_ptr<QtControlPeer> created;
    switch (state.Kind) {
        case ControlKind::PushButton:
            created = std::make_unique<QtButtonPeer>(window, control, parent, *host_);
            break;
        case ControlKind::Label:
            created = std::make_unique<QtLabelPeer>(window, control, parent);
            break;
        case ControlKind::Listbox:
            created = std::make_unique<QtListPeer>(window, control, parent, *host_);
            break;
    }
    created->Update(state);
    controls_.emplace(control, std::move(created));
}

void QtBackend::DestroyControl(PeerId control) {
    controls_.erase(control);
}

void QtBackend::UpdateControl(PeerId control, const ControlState& state) {
    if (QtControlPeer* peer = FindControl(control)) {
        peer->Update(state);
    }
}

void QtBackend::SetListRows(PeerId control, const std::vector<ListRowState>& rows) {
    if (auto* list = dynamic_cast<QtListPeer*>(FindControl(control))) {
        list->SetRows(rows);
    }
}

void QtBackend::SetListSelection(PeerId control, const std::vector<int>& selectedRows) {
    if (auto* list = dynamic_cast<QtListPeer*>(FindControl(control))) {
        list->SetSelection(selectedRows);
    }
}

PeerId QtBackend::FocusedControl() {
    const PeerId key = KeyWindow();
    for (QWidget* focus = QApplication::focusWidget(); focus != nullptr;
         focus = focus->parentWidget()) {
        for (const auto& [id, peer] : controls_) {
            if (peer->Widget() == focus && peer->Window() == key) {
                return id;
            }
        }
    }
    return 0;
}

void QtBackend::SetApplicationMenuBar(const Ref<MenuBar>& bar) {
    applicationBar_ = bar;
    for (const auto& [id, window] : windows_) {
        ShowEffectiveMenuBar(*window);
    }
}

DialogResult QtBackend::ShowDialog(const DialogRequest& request) {
    return ShowMessageDialog(request, FindWindow(request.Parent));
}

std::vector<ScreenInfo> QtBackend::Screens() {
    std::vector<ScreenInfo> screens;
    for (QScreen* screen : QGuiApplication::screens()) {
        screens.push_back(
            ScreenInfo{FromQRect(screen->geometry()), FromQRect(screen->availableGeometry())});
    }
    if (screens.empty()) {
        // Without any display the model still needs somewhere to place windows.
        const PeerRect fallback{0, 0, 1024, 768};
        screens.push_back(ScreenInfo{fallback, fallback});
    }
    return screens;
}

int QtBackend::WindowScreen(PeerId window) {
    QtWindowPeer* peer = FindWindow(window);
    if (peer == nullptr || peer->screen() == nullptr) {
        return -1;
    }
    const auto screens = QGuiApplication::screens();
    const auto index = screens.indexOf(peer->screen());
    return static_cast<int>(index);
}

bool QtBackend::OptionKeyDown() {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier);
}

bool QtBackend::CommandKeyDown() {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

bool QtBackend::IsDarkMode() {
    // Qt 6.4 has no colour-scheme query; a dark window background is the dark mode.
    return QApplication::palette().color(QPalette::Window).lightness() < 128;
}

RgbaImage QtBackend::FileIcon(const std::string& path, int pixelSize) {
    return FileIconImage(path, pixelSize);
}

bool QtBackend::RevealFile(const std::string& path) {
    return RevealInFileManager(path);
}

void QtBackend::ActivateApplication() {
    QWidget* active = QApplication::activeWindow();
    QWidget* first = nullptr;
    for (const auto& [id, window] : windows_) {
        if (!window->isVisible()) {
            continue;
        }
        window->raise();
        if (first == nullptr) {
            first = window.get();
        }
    }
    QWidget* key = active != nullptr ? active : first;
    if (key != nullptr) {
        key->raise();
        key->activateWindow();
    }
}

void QtBackend::ShowAboutBox(const std::string& name, const std::string& version) {
    fw::qt::ShowAboutBox(aboutBox_, name, version, nullptr);
}

bool QtBackend::AboutBoxIsKey() {
    return aboutBox_ && aboutBox_->isVisible() && aboutBox_->isActiveWindow();
}

void QtBackend::CloseAboutBox() {
    if (aboutBox_) {
        aboutBox_->close();
    }
}

void QtBackend::SetAutomaticWindowTabbing(bool) {
    // Qt windows are never merged into tabs; there is nothing to switch.
}

}  // namespace fw::qt
