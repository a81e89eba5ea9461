#pragma once
// The interface between the framework's object model and a windowing backend.
//
// The model keeps all state (window frames, titles, rows, captions, menus); a backend
// only mirrors it on a display, and reports what the user does back to the model
// through BackendHost. Peers are named by PeerId numbers that the model hands out;
// the backend keys its native objects by them. A backend never raises the program's
// events itself and never throws into the model.
//
// Exactly one backend library is linked into an executable; it provides
// fw::CreateBackend(). Tests link the headless backend, the application the Qt one.
//
// Threads: the model calls the backend only on the main thread, except Post and
// Quit, which any thread may call. The backend calls BackendHost only on the main
// thread, from inside Run (or from a modal dialog's nested loop).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Object.h"

namespace fw {

class Graphics;
class MenuBar;
class MenuItem;
class Picture;

// Names a window or control peer; 0 names none. Unique within a run.
using PeerId = std::uint64_t;

// An integer rectangle: global screen coordinates for windows and screens (y grows
// downwards), window content coordinates for controls.
struct PeerRect {
    int Left{0};
    int Top{0};
    int Width{0};
    int Height{0};

    bool operator==(const PeerRect&) const = default;
};

// One display: its whole frame and the part that windows may use (without menu bars,
// docks and panels).
struct ScreenInfo {
    PeerRect Frame;
    PeerRect Available;
};

// An image in 8-bit RGBA, rows top to bottom, straight (not premultiplied) alpha:
// alpha 255 is opaque. Empty (0 x 0) means "none".
struct RgbaImage {
    int Width{0};
    int Height{0};
    std::vector<std::uint8_t> Pixels;  // Width * Height * 4 bytes

    bool IsEmpty() const { return Width <= 0 || Height <= 0; }
};

// What a window peer is built from. Frame is the content rectangle in global
// coordinates; the model has already placed the window.
struct WindowState {
    std::string Title;
    PeerRect Frame;
    int MinimumWidth{0};
    int MinimumHeight{0};
    int MaximumWidth{32000};
    int MaximumHeight{32000};
    bool Resizeable{true};
    bool Visible{true};
    bool HasCloseButton{true};
    bool HasMinimizeButton{true};
    bool HasMaximizeButton{true};
    bool HasFullScreenButton{false};
    bool HasBackgroundColor{false};
    std::uint32_t BackgroundColor{0x00FFFFFF};  // 0xTTRRGGBB, transparency byte on top
    int Type{0};
};

enum class ControlKind { Listbox, PushButton, Label };

// What a control peer shows. Bounds are in the window's content coordinates and
// already follow the window's size (the model applies the locks).
struct ControlState {
    ControlKind Kind{ControlKind::Label};
    PeerRect Bounds;
    bool Enabled{true};
    bool Visible{true};
    std::string Tooltip;
    std::string FontName{"System"};
    double FontSize{0};  // 0: the platform's standard size
    bool Bold{false};
    bool Italic{false};
    bool Underline{false};
    // PushButton
    std::string Caption;
    bool Default{false};
    bool Cancel{false};
    // Label
    std::string Text;
    bool Multiline{false};
    int TextAlignment{0};  // 0 default (left), 1 left, 2 center, 3 right
    std::uint32_t TextColor{0x00000000};
    // Listbox
    int ColumnCount{1};
    bool HasHeader{false};
    int DefaultRowHeight{-1};  // -1: the platform's standard height
    bool HasBorder{true};
    bool AllowFocusRing{true};  // the focus frame around the list and its current row
    bool HasHorizontalScrollbar{false};
    bool HasVerticalScrollbar{true};
    // 0 default, 1 none, 2 thin dotted, 3 thin solid, 4 thick solid, 5 double thin solid
    int GridLinesHorizontalStyle{0};
    int GridLinesVerticalStyle{0};
    bool MultipleSelection{false};
};

// One list row as the peer shows it.
struct ListRowState {
    std::vector<std::string> Cells;  // ColumnCount entries
    Ref<Picture> RowPicture;         // Nil: no picture
    bool Selected{false};
};

// The modal alert of a MessageDialog (or of MsgBox).
struct DialogButtonState {
    std::string Caption;
    bool Visible{true};
};

enum class DialogResult { Action, Cancel, Alternate };

struct DialogRequest {
    int Icon{0};  // 0 note, 1 caution, 2 stop, 3 question, -1 none
    std::string Title;
    std::string Message;
    std::string Explanation;
    DialogButtonState ActionButton{"OK", true};
    DialogButtonState CancelButton{"Cancel", false};
    DialogButtonState AlternateActionButton{"Don't Save", false};
    PeerId Parent{0};      // 0: application-modal; otherwise attached to that window
    bool IsMsgBox{false};  // raised by MsgBox rather than a MessageDialog
};

// The model side, called by the backend when the user acts. None of these throws.
class BackendHost {
public:
    virtual ~BackendHost() = default;

    // The user moved or resized a window; frame is the new content rectangle.
    virtual void WindowFrameChanged(PeerId window, const PeerRect& frame) = 0;
    // The user asked to close a window (close button, window manager).
    virtual void WindowCloseRequested(PeerId window) = 0;
    // Paint the window's own drawing (not its controls) into g, which covers the
    // content area; areas are the parts that need it.
    virtual void WindowPaint(PeerId window, const Ref<Graphics>& g,
                             const std::vector<PeerRect>& areas) = 0;
    // Whether a drag of these paths onto the window would be accepted (drag enter).
    virtual bool WindowAcceptsDrop(PeerId window, const std::vector<std::string>& paths) = 0;
    // Files or folders were dropped on the window: their POSIX paths, byte for byte,
    // in the drop's order.
    virtual void WindowFilesDropped(PeerId window, const std::vector<std::string>& paths) = 0;

    // A push button was clicked.
    virtual void ButtonClicked(PeerId control) = 0;
    // The user changed a list's selection; rows are the selected row indexes.
    virtual void ListSelectionChanged(PeerId control, const std::vector<int>& rows) = 0;
    // A row was double-clicked (the selection has been reported before).
    virtual void ListDoubleClicked(PeerId control, int row) = 0;
    // Paint a cell's background into g, which covers the cell (a transparent picture
    // of the cell's size). The backend draws g's content as the background of an
    // unselected row; a selected row keeps the platform's selection look and g is not
    // drawn. The answer is the handler's (True: it painted the cell itself).
    virtual bool ListCellBackgroundPaint(PeerId control, int row, int column,
                                         const Ref<Graphics>& g) = 0;

    // A menu is about to open: the model raises EnableMenu for its items; the
    // backend then re-reads the items (caption, enabled, visible) from the model.
    virtual void MenuAboutToShow(const Ref<MenuItem>& menu) = 0;
    // A menu item was chosen (by click or shortcut).
    virtual void MenuItemChosen(const Ref<MenuItem>& item) = 0;

    // The platform asks the application to quit (session end, application menu).
    virtual void QuitRequested() = 0;

    // Sends what the model has deferred (a list's changed rows) to the backend now.
    // The model sends it by itself when the current event is done; a backend calls this
    // before it reads back what it mirrors outside the model's events.
    virtual void FlushPendingUpdates() {}
};

class Backend {
public:
    virtual ~Backend() = default;

    // Called once by the framework's initialisation, before any peer is made.
    virtual void Initialize(BackendHost& host) = 0;

    // --- Event loop ---
    // Runs events until Quit. Returns at once when Quit was already called.
    virtual void Run() = 0;
    // Asks Run to return once the current event is handled. Any thread.
    virtual void Quit() = 0;
    // Runs task on the main thread inside Run, after the events queued before it.
    // Any thread.
    virtual void Post(std::function<void()> task) = 0;

    // --- Windows ---
    virtual void CreateWindow(PeerId window, const WindowState& state) = 0;
    virtual void DestroyWindow(PeerId window) = 0;
    virtual void SetWindowTitle(PeerId window, const std::string& title) = 0;
    // Moves and sizes the content rectangle (global coordinates).
    virtual void SetWindowFrame(PeerId window, const PeerRect& frame) = 0;
    virtual void SetWindowSizeLimits(PeerId window, int minWidth, int minHeight, int maxWidth,
                                     int maxHeight) = 0;
    virtual void SetWindowResizeable(PeerId window, bool resizeable) = 0;
    virtual void SetWindowVisible(PeerId window, bool visible) = 0;
    // The window's menu bar (Nil: none). Where a platform has one menu bar for the
    // application, the key window's bar is shown.
    virtual void SetWindowMenuBar(PeerId window, const Ref<MenuBar>& bar) = 0;
    // Whether the window takes drops of files and folders at all; which paths it
    // accepts is asked through BackendHost::WindowAcceptsDrop.
    virtual void SetWindowAcceptsDrops(PeerId window, bool accepts) = 0;
    // Schedules a repaint of the whole window.
    virtual void InvalidateWindow(PeerId window) = 0;
    virtual void MinimizeWindow(PeerId window) = 0;
    // Toggles between the window's zoomed (maximised) and normal size.
    virtual void ZoomWindow(PeerId window) = 0;
    // Brings the window to the front and makes it the key window.
    virtual void RaiseWindow(PeerId window) = 0;
    // The window that receives keyboard input (0: none, or the About box).
    virtual PeerId KeyWindow() = 0;
    // The height of the menu bar that the window shows inside itself, above its content;
    // 0 when it shows none there (no bar, or the platform's bar is outside the window).
    virtual int WindowMenuBarHeight(PeerId window) = 0;

    // --- Controls ---
    virtual void CreateControl(PeerId window, PeerId control, const ControlState& state) = 0;
    virtual void DestroyControl(PeerId control) = 0;
    // Refreshes everything of ControlState (geometry, enabled, caption, text, ...).
    virtual void UpdateControl(PeerId control, const ControlState& state) = 0;
    // Replaces a list's rows (cells, pictures, selection).
    virtual void SetListRows(PeerId control, const std::vector<ListRowState>& rows) = 0;
    // Changes only which rows are selected.
    virtual void SetListSelection(PeerId control, const std::vector<int>& selectedRows) = 0;
    // The control with keyboard focus in the key window (0: none).
    virtual PeerId FocusedControl() = 0;

    // --- Menus ---
    // The application's menu bar (Nil: none). The backend reads the tree from the model
    // when it builds the native bar and re-reads a menu each time it is about to open.
    virtual void SetApplicationMenuBar(const Ref<MenuBar>& bar) = 0;

    // --- Modal dialogs ---
    // Shows the alert and returns the button pressed once it is dismissed.
    virtual DialogResult ShowDialog(const DialogRequest& request) = 0;

    // --- Screens, keyboard, appearance ---
    // The displays in order; the first is the main one. Never empty.
    virtual std::vector<ScreenInfo> Screens() = 0;
    // The index into Screens() of the display that shows the window; -1 for none.
    virtual int WindowScreen(PeerId window) = 0;
    // Option on macOS, Alt here; read at the moment of the call.
    virtual bool OptionKeyDown() = 0;
    // Command on macOS, Ctrl here; read at the moment of the call.
    virtual bool CommandKeyDown() = 0;
    virtual bool IsDarkMode() = 0;

    // --- Desktop services ---
    // The file manager's icon for the file at path, rendered at pixelSize x pixelSize;
    // a generic file or folder icon when the theme has none; empty when path is absent.
    virtual RgbaImage FileIcon(const std::string& path, int pixelSize) = 0;
    // Shows the file selected in the file manager. False when nothing could be shown.
    virtual bool RevealFile(const std::string& path) = 0;
    // Makes the application the active one and brings its windows to the front.
    virtual void ActivateApplication() = 0;
    // The standard About box with the application's name and version; it comes to the
    // front and takes the keyboard.
    virtual void ShowAboutBox(const std::string& name, const std::string& version) = 0;
    // Whether the About box is open and receives keyboard input.
    virtual bool AboutBoxIsKey() = 0;
    // Closes the About box, when it is open.
    virtual void CloseAboutBox() = 0;
    // Automatic window tabbing on or off, for the whole application.
    virtual void SetAutomaticWindowTabbing(bool allowed) = 0;
};

// Provided by the one backend library linked into the executable.
std::unique_ptr<Backend> CreateBackend();

}  // namespace fw
