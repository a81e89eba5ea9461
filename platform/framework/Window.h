#pragma once
// A window of the framework. The window keeps all its state (frame, title, limits,
// controls) whether or not it has a native peer; the backend mirrors it.
//
// Construction: make the object with New<T>() and call Constructor(), which calls the
// virtual Layout() and then CreateControls(), once each, and registers the window.
// Before the application has opened, the window opens when RuntimeRun_ opens the
// windows; afterwards it opens at the end of Constructor().

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Backend.h"
#include "Color.h"
#include "DragItem.h"
#include "Graphics.h"
#include "MenuBar.h"
#include "MenuHandlers.h"
#include "Object.h"
#include "Rect.h"
#include "RectControl.h"

namespace fw {

class Window : public Object {
public:
    Window();
    ~Window() override;

    std::string ClassName() const override { return "Window"; }

    // The framework's window constructor: Layout(), CreateControls(), then registration
    // (and opening, once the application has opened). A second call does nothing.
    void Constructor();

    // The largest width and height a window takes.
    static constexpr int kMaxSize = 32000;

    // The content rectangle in global coordinates. Width and Height are kept within
    // 1..kMaxSize (a value outside is taken as the nearest end); the minimum and maximum
    // sizes are the user's limits and are not applied here.
    int Left() const { return left_; }
    void Left(int value);
    int Top() const { return top_; }
    void Top(int value);
    int Width() const { return width_; }
    void Width(int value);
    int Height() const { return height_; }
    void Height(int value);

    int MinimumWidth() const { return minWidth_; }
    void MinimumWidth(int value);
    int MinimumHeight() const { return minHeight_; }
    void MinimumHeight(int value);
    int MinWidth() const { return minWidth_; }
    void MinWidth(int value) { MinimumWidth(value); }
    int MinHeight() const { return minHeight_; }
    void MinHeight(int value) { MinimumHeight(value); }
    int MaximumWidth() const { return maxWidth_; }
    void MaximumWidth(int value);
    int MaximumHeight() const { return maxHeight_; }
    void MaximumHeight(int value);

    bool Resizeable() const { return resizeable_; }
    void Resizeable(bool value);
    const std::string& Title() const { return title_; }
    void Title(const std::string& value);
    bool Visible() const { return visible_; }
    void Visible(bool value);
    Ref<fw::MenuBar> MenuBar() const { return menuBar_; }
    void MenuBar(const Ref<fw::MenuBar>& bar);

    // The window's frame as doubles (Left, Top, Width, Height): the content rectangle
    // and, where the platform shows the menu bar inside the window, the bar above it.
    RectD Bounds() const;
    // Raises the width and height to at least what the minimum content size needs,
    // truncates the four values toward zero and sets the frame at once.
    void Bounds(const RectD& bounds);
    void Bounds(const Rect& bounds) { Bounds(bounds.ToRectD()); }

    // Design-time properties, read when the peer is made.
    int Type{0};
    bool HasCloseButton{true};
    bool HasMaximizeButton{true};
    bool HasMinimizeButton{true};
    bool HasFullScreenButton{false};
    bool Composite{false};
    int MacProcID{0};
    bool FullScreen{false};
    int DefaultLocation{0};
    bool HasBackgroundColor{false};
    Color BackgroundColor{0x00FFFFFF};
    bool MenuBarVisible{true};
    bool LiveResize{true};

    // An opaque handle, stable for the window's life and never 0; FromHandle finds the
    // window again while it is open.
    std::uintptr_t Handle() const { return static_cast<std::uintptr_t>(id_); }
    static Ref<Window> FromHandle(std::uintptr_t handle);

    // Accepts drops of the registered file types named in types (";"-separated Names).
    // Names that are not registered are ignored; later calls add to the earlier ones.
    void AcceptFileDrop(const std::string& types);
    // Whether a dropped path would be accepted: a folder by "special/folder", a file by
    // "special/any" or by a type whose Extensions name its extension.
    bool AcceptsPath(const std::string& path) const;

    // A handler for the menu item with this Name, asked while the window is the key
    // window: after the focused control's, before the application's. True means the
    // command was handled; a later handler for the same name replaces the earlier one.
    void AddMenuHandler_(const std::string& itemName, std::function<bool()> handler) {
        menuHandlers_.Add(itemName, std::move(handler));
    }
    const MenuHandlers& MenuHandlers_() const { return menuHandlers_; }

    // Registers a control under its name and makes this window its owner.
    void AddControl_(const std::string& name, const Ref<RectControl>& control);
    // The control registered under name, or Nil.
    Ref<RectControl> ControlByName_(const std::string& name) const;
    const std::vector<Ref<RectControl>>& Controls() const { return controls_; }

    // Closes the window: raises Close (when it had opened), destroys the peer and
    // forgets the window. The last window closing with AutoQuit quits the application.
    void Close();
    // Requests a repaint.
    void Refresh();
    bool IsOpen() const { return opened_ && !closed_; }
    bool IsClosed() const { return closed_; }

    // Events.
    virtual void Event_Open() {}
    virtual void Event_Close() {}
    virtual void Event_DropObject(Ref<DragItem> item, int action) {
        (void)item;
        (void)action;
    }
    virtual void Event_Paint(Ref<Graphics> g, const std::vector<Rect>& areas) {
        (void)g;
        (void)areas;
    }

    // Framework internals.
    PeerId Id() const { return id_; }
    bool HasPeer_() const { return peerCreated_; }
    void OpenNow_();
    void CreatePeer_();
    // The user moved or resized the window.
    void PeerFrameChanged_(const PeerRect& frame);
    void DropPaths_(const std::vector<std::string>& paths);
    void Paint_(const Ref<Graphics>& g, const std::vector<PeerRect>& areas);

protected:
    // Construction hooks: Layout sets the window's design-time values, CreateControls
    // builds its controls.
    virtual void Layout() {}
    virtual void CreateControls() {}

private:
    void SetFrame(int left, int top, int width, int height);
    void SendLimits() const;
    Backend* PeerBackend() const;
    WindowState PeerState() const;
    // The height of the menu bar the peer shows above the content; 0 without a peer.
    int MenuBarInset() const;
    void PlaceByDefault();

    PeerId id_;
    int left_{0};
    int top_{0};
    int width_{300};
    int height_{300};
    bool positioned_{false};
    int minWidth_{64};
    int minHeight_{64};
    int maxWidth_{32000};
    int maxHeight_{32000};
    bool resizeable_{true};
    std::string title_{"Untitled"};
    bool visible_{true};
    Ref<fw::MenuBar> menuBar_;
    std::vector<std::string> acceptedTypes_;
    MenuHandlers menuHandlers_;
    std::vector<Ref<RectControl>> controls_;
    bool constructed_{false};
    bool opened_{false};
    bool closing_{false};
    bool closed_{false};
    bool peerCreated_{false};
};

}  // namespace fw
