#include "Window.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "Application.h"
#include "FileType.h"
#include "Runtime.h"
#include "Screen.h"
#include "Strings.h"
#include "UiRuntime.h"

namespace fw {

namespace {

int Truncate(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    return static_cast<int>(std::clamp(std::trunc(value), -2147483648.0, 2147483647.0));
}

// value + by, kept within the range of int.
int Shifted(int value, int by) {
    return static_cast<int>(
        std::clamp<std::int64_t>(std::int64_t{value} + by, INT32_MIN, INT32_MAX));
}

constexpr const char* kAnyFile = "special/any";
constexpr const char* kFolder = "special/folder";

}  // namespace

Window::Window() : id_(UiRuntime::Get().NextPeerId()) {}

Window::~Window() = default;

void Window::Constructor() {
    RequireMainThread();
    if (constructed_) {
        return;
    }
    constructed_ = true;
    Layout();
    CreateControls();
    auto self = Ref<Window>(std::static_pointer_cast<Window>(shared_from_this()));
    auto& runtime = UiRuntime::Get();
    if (!GetImplicitWindow_(ClassName())) {
        SetImplicitWindow_(ClassName(), self);
    }
    if (!positioned_) {
        PlaceByDefault();
    }
    runtime.AddWindow(self);
    if (runtime.ActiveBackend()) {
        CreatePeer_();
    }
    if (runtime.AppOpened() && !runtime.Quitting()) {
        OpenNow_();
    }
}

void Window::PlaceByDefault() {
    // Centred horizontally on the main screen's usable area, a third of the way down.
    auto screen = ScreenAt(0);
    if (!screen) {
        return;
    }
    left_ = static_cast<int>(screen->AvailableLeft + (screen->AvailableWidth - width_) / 2);
    top_ = static_cast<int>(screen->AvailableTop + (screen->AvailableHeight - height_) / 3);
    left_ = std::max(left_, static_cast<int>(screen->AvailableLeft));
    top_ = std::max(top_, static_cast<int>(screen->AvailableTop));
}

Backend* Window::PeerBackend() const {
    return peerCreated_ && !closed_ ? UiRuntime::Get().ActiveBackend() : nullptr;
}

WindowState Window::PeerState() const {
    WindowState state;
    state.Title = title_;
    state.Frame = PeerRect{left_, top_, width_, height_};
    state.MinimumWidth = minWidth_;
    state.MinimumHeight = minHeight_;
    state.MaximumWidth = maxWidth_;
    state.MaximumHeight = maxHeight_;
    state.Resizeable = resizeable_;
    state.Visible = false;  // shown when it opens
    state.HasCloseButton = HasCloseButton;
    state.HasMinimizeButton = HasMinimizeButton;
    state.HasMaximizeButton = HasMaximizeButton;
    state.HasFullScreenButton = HasFullScreenButton;
    state.HasBackgroundColor = HasBackgroundColor;
    state.BackgroundColor = BackgroundColor.Value();
    state.Type = Type;
    return state;
}

void Window::CreatePeer_() {
    Backend* backend = UiRuntime::Get().ActiveBackend();
    if (!backend || peerCreated_ || closed_) {
        return;
    }
    peerCreated_ = true;
    backend->CreateWindow(id_, PeerState());
    if (menuBar_) {
        backend->SetWindowMenuBar(id_, menuBar_);
    }
    if (!acceptedTypes_.empty()) {
        backend->SetWindowAcceptsDrops(id_, true);
    }
    for (const auto& control : controls_) {
        control->CreatePeer_(*backend, id_);
    }
}

void Window::OpenNow_() {
    if (opened_ || closed_) {
        return;
    }
    opened_ = true;
    CreatePeer_();
    auto self = Ref<Window>(std::static_pointer_cast<Window>(shared_from_this()));
    UiRuntime::Get().RaiseEvent([&] { self->Event_Open(); });
    if (Backend* backend = PeerBackend(); backend && visible_) {
        backend->SetWindowVisible(id_, true);
    }
}

void Window::SetFrame(int left, int top, int width, int height) {
    RequireMainThread();
    // No display has room for more; the controls' arithmetic stays far from overflow.
    width = std::clamp(width, 1, kMaxSize);
    height = std::clamp(height, 1, kMaxSize);
    positioned_ = positioned_ || left != left_ || top != top_;
    bool resized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (resized) {
        for (const auto& control : controls_) {
            control->FollowWindowSize_(width_, height_);
        }
    }
    if (Backend* backend = PeerBackend()) {
        backend->SetWindowFrame(id_, PeerRect{left_, top_, width_, height_});
    }
}

void Window::Left(int value) {
    positioned_ = true;
    SetFrame(value, top_, width_, height_);
}
void Window::Top(int value) {
    positioned_ = true;
    SetFrame(left_, value, width_, height_);
}
void Window::Width(int value) {
    SetFrame(left_, top_, value, height_);
}
void Window::Height(int value) {
    SetFrame(left_, top_, width_, value);
}

int Window::MenuBarInset() const {
    Backend* backend = PeerBackend();
    return backend ? std::max(backend->WindowMenuBarHeight(id_), 0) : 0;
}

RectD Window::Bounds() const {
    const int inset = MenuBarInset();
    return RectD{static_cast<double>(left_), static_cast<double>(top_) - inset,
                 static_cast<double>(width_), static_cast<double>(height_) + inset};
}

void Window::Bounds(const RectD& bounds) {
    const int inset = MenuBarInset();
    // The minimum is the content's. Written so that a NaN also takes it.
    const double minHeight = static_cast<double>(minHeight_) + inset;
    double width = bounds.Width >= minWidth_ ? bounds.Width : static_cast<double>(minWidth_);
    double height = bounds.Height >= minHeight ? bounds.Height : minHeight;
    positioned_ = true;
    SetFrame(Truncate(bounds.Left), Shifted(Truncate(bounds.Top), inset), Truncate(width),
             Shifted(Truncate(height), -inset));
}

void Window::SendLimits() const {
    if (Backend* backend = PeerBackend()) {
        backend->SetWindowSizeLimits(id_, minWidth_, minHeight_, maxWidth_, maxHeight_);
    }
}

void Window::MinimumWidth(int value) {
    RequireMainThread();
    minWidth_ = value;
    SendLimits();
}
void Window::MinimumHeight(int value) {
    RequireMainThread();
    minHeight_ = value;
    SendLimits();
}
void Window::MaximumWidth(int value) {
    RequireMainThread();
    maxWidth_ = value;
    SendLimits();
}
void Window::MaximumHeight(int value) {
    RequireMainThread();
    maxHeight_ = value;
    SendLimits();
}

void Window::Resizeable(bool value) {
    RequireMainThread();
    resizeable_ = value;
    if (Backend* backend = PeerBackend()) {
        backend->SetWindowResizeable(id_, value);
    }
}

void Window::Title(const std::string& value) {
    RequireMainThread();
    title_ = value;
    if (Backend* backend = PeerBackend()) {
        backend->SetWindowTitle(id_, value);
    }
}

void Window::Visible(bool value) {
    RequireMainThread();
    visible_ = value;
    // A window that hasn't opened yet shows itself when it opens.
    if (Backend* backend = PeerBackend(); backend && opened_) {
        backend->SetWindowVisible(id_, value);
    }
}

void Window::MenuBar(const Ref<fw::MenuBar>& bar) {
    RequireMainThread();
    menuBar_ = bar;
    if (Backend* backend = PeerBackend()) {
        backend->SetWindowMenuBar(id_, bar);
    }
}

Ref<Window> Window::FromHandle(std::uintptr_t handle) {
    return UiRuntime::Get().FindWindow(static_cast<PeerId>(handle));
}

void Window::AcceptFileDrop(const std::string& types) {
    RequireMainThread();
    for (const auto& piece : SplitB(types, ";")) {
        std::string name = Trim(piece);
        if (name.empty() || !FileType::Registered(name)) {
            continue;
        }
        if (std::find(acceptedTypes_.begin(), acceptedTypes_.end(), name) == acceptedTypes_.end()) {
            acceptedTypes_.push_back(name);
        }
    }
    if (Backend* backend = PeerBackend(); backend && !acceptedTypes_.empty()) {
        backend->SetWindowAcceptsDrops(id_, true);
    }
}

bool Window::AcceptsPath(const std::string& path) const {
    auto item = FolderItem::FromPath(path);
    if (!item) {
        return false;
    }
    bool isFolder = item->IsFolder();
    for (const auto& name : acceptedTypes_) {
        if (isFolder) {
            if (name == kFolder) {
                return true;
            }
            continue;
        }
        if (name == kAnyFile) {
            return true;
        }
        auto type = FileType::Registered(name);
        if (type && type->MatchesFileName(item->Name())) {
            return true;
        }
    }
    return false;
}

void Window::AddControl_(const std::string& name, const Ref<RectControl>& control) {
    RequireMainThread();
    if (!control) {
        RaiseNilObject();
    }
    auto self = std::static_pointer_cast<Window>(shared_from_this());
    control->Attach_(name, self);
    control->FollowWindowSize_(width_, height_);
    controls_.push_back(control);
    if (Backend* backend = PeerBackend()) {
        control->CreatePeer_(*backend, id_);
    }
}

Ref<RectControl> Window::ControlByName_(const std::string& name) const {
    for (const auto& control : controls_) {
        if (control->Name() == name) {
            return control;
        }
    }
    return nullptr;
}

void Window::Close() {
    RequireMainThread();
    if (closed_ || closing_) {
        return;
    }
    closing_ = true;
    auto self = Ref<Window>(std::static_pointer_cast<Window>(shared_from_this()));
    auto& runtime = UiRuntime::Get();
    if (opened_) {
        runtime.RaiseEvent([&] { self->Event_Close(); });
    }
    if (Backend* backend = PeerBackend()) {
        for (const auto& control : controls_) {
            backend->DestroyControl(control->Id());
        }
        backend->DestroyWindow(id_);
    }
    closed_ = true;
    runtime.RemoveWindow(*this);
    runtime.WindowClosed();
}

void Window::Refresh() {
    RequireMainThread();
    if (Backend* backend = PeerBackend()) {
        backend->InvalidateWindow(id_);
    }
}

void Window::PeerFrameChanged_(const PeerRect& frame) {
    const int width = std::clamp(frame.Width, 1, kMaxSize);
    const int height = std::clamp(frame.Height, 1, kMaxSize);
    bool resized = width != width_ || height != height_;
    left_ = frame.Left;
    top_ = frame.Top;
    width_ = width;
    height_ = height;
    positioned_ = true;
    if (resized) {
        for (const auto& control : controls_) {
            control->FollowWindowSize_(width_, height_);
        }
    }
}

void Window::DropPaths_(const std::vector<std::string>& paths) {
    std::vector<std::string> accepted;
    for (const auto& path : paths) {
        if (AcceptsPath(path)) {
            accepted.push_back(path);
        }
    }
    if (accepted.empty() || !IsOpen()) {
        return;
    }
    auto self = Ref<Window>(std::static_pointer_cast<Window>(shared_from_this()));
    auto item = New<DragItem>(std::move(accepted));
    UiRuntime::Get().RaiseEvent([&] { self->Event_DropObject(item, 0); });
}

void Window::Paint_(const Ref<Graphics>& g, const std::vector<PeerRect>& areas) {
    std::vector<Rect> rects;
    rects.reserve(areas.size());
    for (const auto& a : areas) {
        rects.push_back(Rect{a.Left, a.Top, a.Width, a.Height});
    }
    auto self = Ref<Window>(std::static_pointer_cast<Window>(shared_from_this()));
    UiRuntime::Get().RaiseEvent([&] { self->Event_Paint(g, rects); }, false);
}

}  // namespace fw
