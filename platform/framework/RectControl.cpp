#include "RectControl.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "Runtime.h"
#include "UiRuntime.h"
#include "Window.h"

namespace fw {

RectControl::RectControl() : id_(UiRuntime::Get().NextPeerId()) {}

RectControl::~RectControl() = default;

Ref<fw::Window> RectControl::Window() const {
    return Ref<fw::Window>(owner_.lock());
}

Ref<RectControl> RectControl::Self() const {
    return Ref<RectControl>(std::const_pointer_cast<RectControl>(
        std::static_pointer_cast<const RectControl>(shared_from_this())));
}

void RectControl::Attach_(const std::string& name, const std::shared_ptr<fw::Window>& owner) {
    name_ = name;
    owner_ = owner;
    anchorWindowWidth_ = -1;  // anchored at the window's size by the first FollowWindowSize_
}

Backend* RectControl::PeerBackend() const {
    auto owner = owner_.lock();
    if (!owner || !owner->HasPeer_() || owner->IsClosed()) {
        return nullptr;
    }
    return UiRuntime::Get().ActiveBackend();
}

void RectControl::Anchor() {
    anchorLeft_ = left_;
    anchorTop_ = top_;
    anchorWidth_ = width_;
    anchorHeight_ = height_;
    if (auto owner = owner_.lock()) {
        anchorWindowWidth_ = owner->Width();
        anchorWindowHeight_ = owner->Height();
    } else {
        anchorWindowWidth_ = -1;
    }
}

void RectControl::SetGeometry(int left, int top, int width, int height) {
    RequireMainThread();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Anchor();
    Refresh_();
}

void RectControl::Left(int value) {
    SetGeometry(value, top_, width_, height_);
}
void RectControl::Top(int value) {
    SetGeometry(left_, value, width_, height_);
}
void RectControl::Width(int value) {
    SetGeometry(left_, top_, value, height_);
}
void RectControl::Height(int value) {
    SetGeometry(left_, top_, width_, value);
}

void RectControl::LockLeft(bool value) {
    lockLeft_ = value;
    Anchor();
}
void RectControl::LockTop(bool value) {
    lockTop_ = value;
    Anchor();
}
void RectControl::LockRight(bool value) {
    lockRight_ = value;
    Anchor();
}
void RectControl::LockBottom(bool value) {
    lockBottom_ = value;
    Anchor();
}

void RectControl::Enabled(bool value) {
    RequireMainThread();
    enabled_ = value;
    Refresh_();
}

void RectControl::Visible(bool value) {
    RequireMainThread();
    visible_ = value;
    Refresh_();
}

void RectControl::FollowWindowSize_(int windowWidth, int windowHeight) {
    if (anchorWindowWidth_ < 0) {
        Anchor();
        anchorWindowWidth_ = windowWidth;
        anchorWindowHeight_ = windowHeight;
        return;
    }
    // Computed from the anchor rather than step by step, so that shrinking below the
    // control's size and growing back returns it exactly; in 64 bits, so that no size
    // overflows, and kept within int.
    const auto fit = [](std::int64_t value) {
        return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                         std::numeric_limits<int>::max()));
    };
    const std::int64_t dx = std::int64_t{windowWidth} - anchorWindowWidth_;
    const std::int64_t dy = std::int64_t{windowHeight} - anchorWindowHeight_;
    left_ = anchorLeft_;
    width_ = anchorWidth_;
    if (lockRight_ && lockLeft_) {
        width_ = fit(std::max<std::int64_t>(0, anchorWidth_ + dx));
    } else if (lockRight_) {
        left_ = fit(anchorLeft_ + dx);
    }
    top_ = anchorTop_;
    height_ = anchorHeight_;
    if (lockBottom_ && lockTop_) {
        height_ = fit(std::max<std::int64_t>(0, anchorHeight_ + dy));
    } else if (lockBottom_) {
        top_ = fit(anchorTop_ + dy);
    }
    Refresh_();
}

ControlState RectControl::PeerState_() const {
    ControlState state;
    state.Bounds = PeerRect{left_, top_, width_, height_};
    state.Enabled = enabled_;
    state.Visible = visible_;
    state.Tooltip = Tooltip;
    state.FontName = FontName;
    state.FontSize = FontSize;
    state.Bold = Bold;
    state.Italic = Italic;
    state.Underline = Underline;
    FillState(state);
    return state;
}

void RectControl::Refresh_() const {
    if (Backend* backend = PeerBackend()) {
        backend->UpdateControl(id_, PeerState_());
    }
}

void RectControl::CreatePeer_(Backend& backend, PeerId window) const {
    backend.CreateControl(window, id_, PeerState_());
}

}  // namespace fw
