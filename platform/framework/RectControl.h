#pragma once
// A control placed in a window's content area. The control keeps its state whether or
// not the window has a native peer; the peer mirrors it.
//
// Locks: when the window's size changes, a control locked left and right stretches
// with the width, one locked right only moves with the right edge, any other keeps its
// place; the same holds vertically for top and bottom.

#include <cstdint>
#include <memory>
#include <string>

#include "Backend.h"
#include "MenuHandlers.h"
#include "Object.h"

namespace fw {

class Window;

class RectControl : public Object {
public:
    RectControl();
    ~RectControl() override;

    std::string ClassName() const override { return "RectControl"; }

    // The framework's control constructor; run once after the object is made.
    void Constructor() {}

    // Geometry in the window's content coordinates. Setting it anchors the locks at the
    // window's current size.
    int Left() const { return left_; }
    void Left(int value);
    int Top() const { return top_; }
    void Top(int value);
    int Width() const { return width_; }
    void Width(int value);
    int Height() const { return height_; }
    void Height(int value);

    bool LockLeft() const { return lockLeft_; }
    void LockLeft(bool value);
    bool LockTop() const { return lockTop_; }
    void LockTop(bool value);
    bool LockRight() const { return lockRight_; }
    void LockRight(bool value);
    bool LockBottom() const { return lockBottom_; }
    void LockBottom(bool value);

    bool Enabled() const { return enabled_; }
    void Enabled(bool value);
    bool Visible() const { return visible_; }
    void Visible(bool value);

    // Design-time look; read when the peer is made or refreshed.
    std::int64_t TabIndex{0};
    bool TabStop{true};
    std::string FontName{"System"};
    double FontSize{0};
    int FontUnit{0};
    bool Bold{false};
    bool Italic{false};
    bool Underline{false};
    std::string Tooltip;
    bool AllowAutoDeactivate{true};
    bool Transparent{false};

    // The name the window registered the control under.
    const std::string& Name() const { return name_; }
    // The owning window; Nil before the control is added or after the window is gone.
    Ref<fw::Window> Window() const;

    // A handler for the menu item with this Name, asked first while the control has the
    // keyboard focus in the key window. True means the command was handled; a later
    // handler for the same name replaces the earlier one.
    void AddMenuHandler_(const std::string& itemName, std::function<bool()> handler) {
        menuHandlers_.Add(itemName, std::move(handler));
    }
    const MenuHandlers& MenuHandlers_() const { return menuHandlers_; }

    // Framework internals.
    PeerId Id() const { return id_; }
    void Attach_(const std::string& name, const std::shared_ptr<fw::Window>& owner);
    // Follows a change of the owning window's content size by the locks.
    void FollowWindowSize_(int windowWidth, int windowHeight);
    // The state the peer shows.
    ControlState PeerState_() const;
    // Sends the whole state to the peer, when there is one.
    void Refresh_() const;
    // Makes the peer (when the window has one) and sends what only a full refresh sends.
    virtual void CreatePeer_(Backend& backend, PeerId window) const;

protected:
    virtual void FillState(ControlState& state) const = 0;
    // The backend when this control has a live peer, else nullptr.
    Backend* PeerBackend() const;
    Ref<RectControl> Self() const;

private:
    void SetGeometry(int left, int top, int width, int height);
    void Anchor();

    PeerId id_;
    std::string name_;
    std::weak_ptr<fw::Window> owner_;
    int left_{0};
    int top_{0};
    int width_{100};
    int height_{20};
    bool lockLeft_{true};
    bool lockTop_{true};
    bool lockRight_{false};
    bool lockBottom_{false};
    bool enabled_{true};
    bool visible_{true};
    MenuHandlers menuHandlers_;
    // Geometry and window size at the moment the locks were last anchored.
    int anchorLeft_{0};
    int anchorTop_{0};
    int anchorWidth_{100};
    int anchorHeight_{20};
    int anchorWindowWidth_{-1};
    int anchorWindowHeight_{-1};
};

}  // namespace fw
