#include "window/Window1.h"

#include <algorithm>
#include <cstdint>

#include "app/App.h"
#include "app/FileTypeGroup1.h"
#include "app/Localized.h"
#include "cocoa/Cocoa.h"
#include "framework/Appearance.h"
#include "framework/Color.h"
#include "framework/Runtime.h"
#include "menus/MainMenuBar.h"
#include "menus/WindowEx.h"
#include "prefs/Preferences.h"

fw::Ref<class Window1> Window1() {
    fw::Ref<fw::Window> window = fw::GetImplicitWindow_("Window1.Window1");
    if (!window) {
        auto made = fw::New<class Window1>();
        made->Constructor();
        window = made;
    }
    return fw::Cast<class Window1>(window);
}

fw::Ref<myListBox> Window1::ListBox1() const {
    return fw::Cast<myListBox>(ControlByName_("ListBox1"));
}

fw::Ref<fw::PushButton> Window1::PushButtonRun() const {
    return fw::Cast<fw::PushButton>(ControlByName_("PushButtonRun"));
}

fw::Ref<fw::Label> Window1::Label1() const {
    return fw::Cast<fw::Label>(ControlByName_("Label1"));
}

void Window1::Layout() {
    MenuBar(MainMenuBar());
    Width(460);
    Height(300);
    MinimumWidth(460);
    MinimumHeight(300);
    MaximumWidth(32000);
    MaximumHeight(32000);
    Type = 0;
    Title("Tessary");
    HasCloseButton = true;
    HasMaximizeButton = true;
    HasMinimizeButton = true;
    HasFullScreenButton = false;
    Resizeable(true);
    Composite = false;
    MacProcID = 0;
    FullScreen = false;
    DefaultLocation = 0;
    Visible(true);
    HasBackgroundColor = false;
    BackgroundColor = fw::Color(0x00FFFFFF);
    MenuBarVisible = true;
    LiveResize = true;
}

void Window1::CreateControls() {
    CreateControls0_();
}

namespace {

// The design-time values that all three controls carry.
struct Placement {
    int left, top, width, height;
    bool lockLeft, lockTop, lockRight, lockBottom;
    std::int64_t tabIndex;
    bool enabled;
};

void Place(fw::RectControl& control, const Placement& p) {
    control.Left(p.left);
    control.Top(p.top);
    control.Width(p.width);
    control.Height(p.height);
    control.LockLeft(p.lockLeft);
    control.LockTop(p.lockTop);
    control.LockRight(p.lockRight);
    control.LockBottom(p.lockBottom);
    control.TabIndex = p.tabIndex;
    control.TabStop = true;
    control.Visible(true);
    control.Enabled(p.enabled);
    control.FontName = "System";
    control.FontSize = 0;
    control.FontUnit = 0;
    control.Bold = false;
    control.Italic = false;
    control.Underline = false;
    control.Tooltip = "";
    control.AllowAutoDeactivate = true;
    control.Transparent = false;
}

}  // namespace

void Window1::CreateControls0_() {
    auto list = fw::New<myListBox>();
    list->Constructor();
    AddControl_("ListBox1", list);
    {
        fw::Ref<myListBox> l = fw::Cast<myListBox>(ControlByName_("ListBox1"));
        Place(*l, {0, 48, 460, 252, true, true, true, true, 0, true});
        l->ColumnCount = 1;
        l->ColumnWidths = "";
        l->InitialValue = "";
        l->HasHeader = false;
        l->HeadingIndex = -1;
        l->DefaultRowHeight = 23;
        l->HasBorder = false;
        l->GridLinesHorizontalStyle = 1;
        l->GridLinesVerticalStyle = 1;
        l->HasHorizontalScrollbar = false;
        l->HasVerticalScrollbar = true;
        l->AllowAutoHideScrollbars = true;
        l->AllowFocusRing = false;
        l->DropIndicatorVisible = false;
        l->AllowResizableColumns = false;
        l->AllowRowDragging = false;
        l->AllowRowReordering = false;
        l->AllowExpandableRows = true;
        l->RowSelectionType = 0;
        l->RequiresSelection = false;
        std::weak_ptr<fw::Object> self = weak_from_this();
        l->DoubleClick = [self](fw::Ref<fw::Listbox> sender) {
            if (auto window = std::static_pointer_cast<class Window1>(self.lock())) {
                window->ListBox1_DoubleClick(fw::Cast<myListBox>(sender));
            }
        };
    }

    auto button = fw::New<fw::PushButton>();
    button->Constructor();
    AddControl_("PushButtonRun", button);
    {
        fw::Ref<fw::PushButton> b = fw::Cast<fw::PushButton>(ControlByName_("PushButtonRun"));
        b->Caption(Localized::kRun(""));
        Place(*b, {20, 16, 80, 20, true, true, false, false, 1, false});
        b->Default(true);
        b->Cancel(false);
        b->MacButtonStyle = 0;
        std::weak_ptr<fw::Object> self = weak_from_this();
        b->Action = [self](fw::Ref<fw::PushButton> sender) {
            if (auto window = std::static_pointer_cast<class Window1>(self.lock())) {
                window->PushButtonRun_Action(sender);
            }
        };
    }

    auto label = fw::New<fw::Label>();
    label->Constructor();
    AddControl_("Label1", label);
    {
        fw::Ref<fw::Label> l = fw::Cast<fw::Label>(ControlByName_("Label1"));
        l->Text(Localized::Drop_to_window(""));
        Place(*l, {112, 16, 328, 20, true, true, true, false, 3, true});
        l->Multiline = false;
        l->Selectable = false;
        l->TextAlignment = 0;
        l->TextColor = fw::Color(0x00000000);
    }
}

namespace {

// A stored position far past any screen is held where adding a window size to it
// can't overflow; the window is then brought back on screen like any other.
constexpr std::int64_t kFarOff = 1'000'000'000;

int StoredPosition(std::int64_t value) {
    return static_cast<int>(std::clamp(value, -kFarOff, kFarOff));
}

// A stored size is held within the window's own limits.
int StoredSize(std::int64_t value, int minimum, int maximum) {
    return static_cast<int>(std::clamp<std::int64_t>(value, minimum, std::max(minimum, maximum)));
}

}  // namespace

void Window1::Event_Open() {
    AcceptFileDrop(FileTypeGroup1::All());
    if (Preferences::Prefs->Has("WindowLTWH").BooleanValue()) {
        const auto& ltwh = Preferences::pWindowLTWH;
        // A stored rectangle too short to hold what is read keeps the design-time place.
        const std::size_t needed = Resizeable() ? 4 : 2;
        if (ltwh.size() >= needed) {
            Left(StoredPosition(ltwh[0]));
            Top(StoredPosition(ltwh[1]));
            if (Resizeable()) {
                Width(StoredSize(ltwh[2], MinimumWidth(), MaximumWidth()));
                Height(StoredSize(ltwh[3], MinimumHeight(), MaximumHeight()));
            }
        }
    }
    WindowEx::AdjustWindow(
        fw::Ref<fw::Window>(std::static_pointer_cast<fw::Window>(shared_from_this())));
    Title(App()->ExecutableFile()->Name());
}

void Window1::Event_Close() {
    auto& ltwh = Preferences::pWindowLTWH;
    ltwh.resize(4);
    ltwh[0] = Left();
    ltwh[1] = Top();
    if (Resizeable()) {
        ltwh[2] = Width();
        ltwh[3] = Height();
    }
}

void Window1::Event_Paint(fw::Ref<fw::Graphics> g, const std::vector<fw::Rect>& areas) {
    static_cast<void>(areas);
    g->SetForeColor(fw::Color(fw::IsDarkMode() ? 0x00333333 : 0x00C9C9C9));
    const double y = static_cast<double>(ListBox1()->Top() - 1);
    g->DrawLine(0, y, static_cast<double>(Width()), y);
}

void Window1::ListBox1_DoubleClick(fw::Ref<myListBox> sender) {
    const std::int64_t row = sender->ListIndex();
    if (row == -1) {
        return;
    }
    fw::Ref<fw::FolderItem> f = sender->RowTag(row).As<fw::FolderItem>();
    if (!f || !f->Exists()) {
        return;
    }
    ShowInFinder(f);
}

void Window1::ShowInFinder(const fw::Ref<fw::FolderItem>& f) {
    using namespace cocoa;
    if (!f || !f->Exists()) {
        return;
    }
    id workspace =
        SendId(NSClassFromString("NSWorkspace"), NSSelectorFromString("sharedWorkspace"));
    CFString path = CFStringCreateWithString(f->NativePath());
    CFString root = CFStringCreateWithString("");
    objc_msgSend(workspace, NSSelectorFromString("selectFile:inFileViewerRootedAtPath:"),
                 {path, root});
}

void Window1::BringFrontmostMe() {
    using namespace cocoa;
    id app = SendId(NSClassFromString("NSApplication"), NSSelectorFromString("sharedApplication"));
    objc_msgSend(app, NSSelectorFromString("activateIgnoringOtherApps:"), {YES});
}

template <class T>
fw::Ref<T> Window1::MenuItemNamed(const char* name) const {
    return fw::Cast<T>(MenuBar()->Lookup_(name));
}

fw::Ref<fw::MenuItem> Window1::HelpMenu() {
    return MenuItemNamed<fw::MenuItem>("HelpMenu");
}
fw::Ref<fw::MenuItem> Window1::WindowMenu() {
    return MenuItemNamed<fw::MenuItem>("WindowMenu");
}
fw::Ref<CocoaMenu::MenuItemBringAllToFront> Window1::WindowBringAlltoFront() {
    return MenuItemNamed<CocoaMenu::MenuItemBringAllToFront>("WindowBringAlltoFront");
}
fw::Ref<fw::MenuItem> Window1::WindowSeparator1() {
    return MenuItemNamed<fw::MenuItem>("WindowSeparator1");
}
fw::Ref<CocoaMenu::MenuItemZoom> Window1::WindowZoom() {
    return MenuItemNamed<CocoaMenu::MenuItemZoom>("WindowZoom");
}
fw::Ref<CocoaMenu::MenuItemMinimize> Window1::WindowMinimize() {
    return MenuItemNamed<CocoaMenu::MenuItemMinimize>("WindowMinimize");
}
fw::Ref<fw::MenuItem> Window1::EditMenu() {
    return MenuItemNamed<fw::MenuItem>("EditMenu");
}
fw::Ref<CocoaMenu::CocoaMenuItemFind> Window1::EditFind() {
    return MenuItemNamed<CocoaMenu::CocoaMenuItemFind>("EditFind");
}
fw::Ref<fw::MenuItem> Window1::UntitledSeparator() {
    return MenuItemNamed<fw::MenuItem>("UntitledSeparator");
}
fw::Ref<CocoaMenu::CocoaMenuItemSelectAll> Window1::EditSelectAll() {
    return MenuItemNamed<CocoaMenu::CocoaMenuItemSelectAll>("EditSelectAll");
}
fw::Ref<fw::MenuItem> Window1::EditClear() {
    return MenuItemNamed<fw::MenuItem>("EditClear");
}
fw::Ref<fw::MenuItem> Window1::EditPaste() {
    return MenuItemNamed<fw::MenuItem>("EditPaste");
}
fw::Ref<fw::MenuItem> Window1::EditCopy() {
    return MenuItemNamed<fw::MenuItem>("EditCopy");
}
fw::Ref<fw::MenuItem> Window1::EditCut() {
    return MenuItemNamed<fw::MenuItem>("EditCut");
}
fw::Ref<fw::MenuItem> Window1::EditSeparator1() {
    return MenuItemNamed<fw::MenuItem>("EditSeparator1");
}
fw::Ref<CocoaMenu::CocoaMenuItemRedo> Window1::EditRedo() {
    return MenuItemNamed<CocoaMenu::CocoaMenuItemRedo>("EditRedo");
}
fw::Ref<CocoaMenu::CocoaMenuItemUndo> Window1::EditUndo() {
    return MenuItemNamed<CocoaMenu::CocoaMenuItemUndo>("EditUndo");
}
fw::Ref<fw::MenuItem> Window1::FileMenu() {
    return MenuItemNamed<fw::MenuItem>("FileMenu");
}
fw::Ref<fw::QuitMenuItem> Window1::FileQuit() {
    return MenuItemNamed<fw::QuitMenuItem>("FileQuit");
}
fw::Ref<fw::ApplicationMenuItem> Window1::FileSeparator1() {
    return MenuItemNamed<fw::ApplicationMenuItem>("FileSeparator1");
}
fw::Ref<fw::ApplicationMenuItem> Window1::AppAbout() {
    return MenuItemNamed<fw::ApplicationMenuItem>("AppAbout");
}
fw::Ref<CocoaMenu::CocoaMenuItemClose> Window1::FileClose() {
    return MenuItemNamed<CocoaMenu::CocoaMenuItemClose>("FileClose");
}
