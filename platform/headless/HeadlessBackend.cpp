#include "HeadlessBackend.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>

#include "framework/Graphics.h"
#include "framework/RuntimeException.h"

namespace fw::headless {

namespace {

HeadlessBackend*& Latest() {
    static HeadlessBackend* latest = nullptr;
    return latest;
}

}  // namespace

HeadlessBackend::HeadlessBackend()
    : screens_{ScreenInfo{PeerRect{0, 0, 1440, 900}, PeerRect{0, 25, 1440, 875}}} {}

HeadlessBackend& Instance() {
    if (!Latest()) {
        throw RuntimeException("No headless backend has been made.");
    }
    return *Latest();
}

void HeadlessBackend::SetScreens(std::vector<ScreenInfo> screens) {
    if (!screens.empty()) {
        screens_ = std::move(screens);
    }
}

void HeadlessBackend::SetWindowScreen(PeerId window, int screen) {
    windowScreens_[window] = screen;
}

WindowRecord& HeadlessBackend::LiveWindow(PeerId window) {
    auto it = windows_.find(window);
    if (it == windows_.end() || it->second.Destroyed) {
        throw RuntimeException("No live window peer " + std::to_string(window) + ".");
    }
    return it->second;
}

ControlRecord& HeadlessBackend::LiveControl(PeerId control) {
    auto it = controls_.find(control);
    if (it == controls_.end() || it->second.Destroyed) {
        throw RuntimeException("No live control peer " + std::to_string(control) + ".");
    }
    return it->second;
}

bool HeadlessBackend::IsLiveControl(PeerId control) const {
    auto it = controls_.find(control);
    return it != controls_.end() && !it->second.Destroyed;
}

const WindowRecord& HeadlessBackend::Window(PeerId window) const {
    auto it = windows_.find(window);
    if (it == windows_.end()) {
        throw RuntimeException("No window peer " + std::to_string(window) + ".");
    }
    return it->second;
}

void HeadlessBackend::SyncWithModel() const {
    if (host_) {
        host_->FlushPendingUpdates();
    }
}

const ControlRecord& HeadlessBackend::Control(PeerId control) const {
    SyncWithModel();
    auto it = controls_.find(control);
    if (it == controls_.end()) {
        throw RuntimeException("No control peer " + std::to_string(control) + ".");
    }
    return it->second;
}

// --- The user ---

bool HeadlessBackend::DropPaths(PeerId window, const std::vector<std::string>& paths) {
    auto& record = LiveWindow(window);
    if (!host_ || !record.AcceptsDrops || !host_->WindowAcceptsDrop(window, paths)) {
        return false;
    }
    host_->WindowFilesDropped(window, paths);
    return true;
}

void HeadlessBackend::ClickButton(PeerId control) {
    auto& record = LiveControl(control);
    if (host_ && record.State.Enabled && record.State.Visible) {
        host_->ButtonClicked(control);
    }
}

void HeadlessBackend::SelectRows(PeerId control, const std::vector<int>& rows) {
    SyncWithModel();
    LiveControl(control).Selection = rows;
    if (host_) {
        host_->ListSelectionChanged(control, rows);
    }
}

void HeadlessBackend::DoubleClickRow(PeerId control, int row) {
    SyncWithModel();
    auto& record = LiveControl(control);
    if (row >= 0 && row < static_cast<int>(record.Rows.size())) {
        SelectRows(control, {row});
    } else {
        SelectRows(control, {});
    }
    if (host_) {
        host_->ListDoubleClicked(control, row);
    }
}

void HeadlessBackend::MoveWindow(PeerId window, const PeerRect& frame) {
    LiveWindow(window).State.Frame = frame;
    if (host_) {
        host_->WindowFrameChanged(window, frame);
    }
}

void HeadlessBackend::RequestClose(PeerId window) {
    LiveWindow(window);
    if (host_) {
        host_->WindowCloseRequested(window);
    }
}

void HeadlessBackend::OpenMenu(const Ref<MenuItem>& menu) {
    if (host_) {
        host_->MenuAboutToShow(menu);
    }
}

void HeadlessBackend::ChooseMenuItem(const Ref<MenuItem>& item) {
    if (host_) {
        host_->MenuItemChosen(item);
    }
}

void HeadlessBackend::RequestQuit() {
    if (host_) {
        host_->QuitRequested();
    }
}

Ref<Picture> HeadlessBackend::PaintWindow(PeerId window) {
    const auto& frame = LiveWindow(window).State.Frame;
    if (!host_ || frame.Width < 1 || frame.Height < 1) {
        return nullptr;
    }
    auto picture = New<Picture>(frame.Width, frame.Height);
    host_->WindowPaint(window, picture->Graphics(), {PeerRect{0, 0, frame.Width, frame.Height}});
    return picture;
}

std::vector<CellPaint> HeadlessBackend::PaintList(PeerId control) {
    SyncWithModel();
    const auto& record = LiveControl(control);
    std::vector<CellPaint> painted;
    if (!host_) {
        return painted;
    }
    const int columns = std::max(record.State.ColumnCount, 1);
    const int width = std::max(record.State.Bounds.Width / columns, 1);
    const int height = record.State.DefaultRowHeight > 0 ? record.State.DefaultRowHeight : 20;
    const int rows = static_cast<int>(record.Rows.size());
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            auto picture = New<Picture>(width, height);
            bool answer = host_->ListCellBackgroundPaint(control, row, column, picture->Graphics());
            painted.push_back(CellPaint{row, column, answer, picture});
        }
    }
    return painted;
}

// --- Backend ---

void HeadlessBackend::Initialize(BackendHost& host) {
    host_ = &host;
}

void HeadlessBackend::Run() {
    while (!quit_) {
        std::function<void()> task;
        {
            std::lock_guard lock(queueMutex_);
            if (queue_.empty()) {
                return;  // nothing left that could ever happen
            }
            task = std::move(queue_.front());
            queue_.pop_front();
        }
        task();
    }
}

void HeadlessBackend::Quit() {
    quit_ = true;
}

void HeadlessBackend::Post(std::function<void()> task) {
    std::lock_guard lock(queueMutex_);
    queue_.push_back(std::move(task));
}

void HeadlessBackend::CreateWindow(PeerId window, const WindowState& state) {
    WindowRecord record;
    record.State = state;
    windows_[window] = std::move(record);
}

void HeadlessBackend::DestroyWindow(PeerId window) {
    LiveWindow(window).Destroyed = true;
    if (keyWindow_ == window) {
        keyWindow_ = 0;
    }
}

void HeadlessBackend::SetWindowTitle(PeerId window, const std::string& title) {
    LiveWindow(window).State.Title = title;
}

void HeadlessBackend::SetWindowFrame(PeerId window, const PeerRect& frame) {
    auto& record = LiveWindow(window);
    record.State.Frame = frame;
    record.FramesSet.push_back(frame);
}

void HeadlessBackend::SetWindowSizeLimits(PeerId window, int minWidth, int minHeight, int maxWidth,
                                          int maxHeight) {
    auto& state = LiveWindow(window).State;
    state.MinimumWidth = minWidth;
    state.MinimumHeight = minHeight;
    state.MaximumWidth = maxWidth;
    state.MaximumHeight = maxHeight;
}

void HeadlessBackend::SetWindowResizeable(PeerId window, bool resizeable) {
    LiveWindow(window).State.Resizeable = resizeable;
}

void HeadlessBackend::SetWindowVisible(PeerId window, bool visible) {
    LiveWindow(window).State.Visible = visible;
    if (visible && keyWindow_ == 0) {
        keyWindow_ = window;
    }
}

void HeadlessBackend::SetWindowMenuBar(PeerId window, const Ref<MenuBar>& bar) {
    LiveWindow(window).MenuBar = bar;
}

void HeadlessBackend::SetWindowAcceptsDrops(PeerId window, bool accepts) {
    LiveWindow(window).AcceptsDrops = accepts;
}

void HeadlessBackend::InvalidateWindow(PeerId window) {
    ++LiveWindow(window).Invalidations;
}

void HeadlessBackend::MinimizeWindow(PeerId window) {
    ++LiveWindow(window).Minimizations;
}

void HeadlessBackend::ZoomWindow(PeerId window) {
    ++LiveWindow(window).Zooms;
}

void HeadlessBackend::RaiseWindow(PeerId window) {
    ++LiveWindow(window).Raises;
    keyWindow_ = window;
}

int HeadlessBackend::WindowMenuBarHeight(PeerId window) {
    const bool showsBar = LiveWindow(window).MenuBar || appMenuBar_;
    return showsBar ? inWindowMenuBarHeight_ : 0;
}

void HeadlessBackend::CreateControl(PeerId window, PeerId control, const ControlState& state) {
    LiveWindow(window);
    ControlRecord record;
    record.Window = window;
    record.State = state;
    controls_[control] = std::move(record);
}

void HeadlessBackend::DestroyControl(PeerId control) {
    LiveControl(control).Destroyed = true;
    if (focusedControl_ == control) {
        focusedControl_ = 0;
    }
}

void HeadlessBackend::UpdateControl(PeerId control, const ControlState& state) {
    LiveControl(control).State = state;
}

void HeadlessBackend::SetListRows(PeerId control, const std::vector<ListRowState>& rows) {
    auto& record = LiveControl(control);
    record.Rows = rows;
    ++record.RowUpdates;
    record.Selection.clear();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].Selected) {
            record.Selection.push_back(static_cast<int>(i));
        }
    }
}

void HeadlessBackend::SetListSelection(PeerId control, const std::vector<int>& selectedRows) {
    auto& record = LiveControl(control);
    record.Selection = selectedRows;
    for (std::size_t i = 0; i < record.Rows.size(); ++i) {
        record.Rows[i].Selected = std::find(selectedRows.begin(), selectedRows.end(),
                                            static_cast<int>(i)) != selectedRows.end();
    }
}

DialogResult HeadlessBackend::ShowDialog(const DialogRequest& request) {
    DialogResult answer = DialogResult::Action;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    dialogs_.push_back(DialogRecord{request, answer});
    if (dialogObserver_) {
        dialogObserver_(dialogs_.back());
    }
    return answer;
}

int HeadlessBackend::WindowScreen(PeerId window) {
    if (auto it = windowScreens_.find(window); it != windowScreens_.end()) {
        return it->second < static_cast<int>(screens_.size()) ? it->second : -1;
    }
    auto found = windows_.find(window);
    if (found == windows_.end() || found->second.Destroyed) {
        return -1;
    }
    const auto& f = found->second.State.Frame;
    // In 64 bits: a frame far out (a stored rectangle, say) must not overflow.
    const std::int64_t x = std::int64_t{f.Left} + f.Width / 2;
    const std::int64_t y = std::int64_t{f.Top} + f.Height / 2;
    for (std::size_t i = 0; i < screens_.size(); ++i) {
        const auto& s = screens_[i].Frame;
        if (x >= s.Left && x < std::int64_t{s.Left} + s.Width && y >= s.Top &&
            y < std::int64_t{s.Top} + s.Height) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

RgbaImage HeadlessBackend::FileIcon(const std::string& path, int pixelSize) {
    iconRequests_.push_back(IconRequest{path, pixelSize});
    struct stat info {};
    if (pixelSize < 1 || ::stat(path.c_str(), &info) != 0) {
        return {};
    }
    // A flat square: blue for folders, grey for files, so tests can tell them apart.
    const bool folder = S_ISDIR(info.st_mode);
    RgbaImage image;
    image.Width = pixelSize;
    image.Height = pixelSize;
    image.Pixels.resize(static_cast<std::size_t>(pixelSize) * pixelSize * 4);
    for (std::size_t i = 0; i < image.Pixels.size(); i += 4) {
        image.Pixels[i] = folder ? 0x40 : 0x80;
        image.Pixels[i + 1] = folder ? 0x80 : 0x80;
        image.Pixels[i + 2] = folder ? 0xF0 : 0x80;
        image.Pixels[i + 3] = 0xFF;
    }
    return image;
}

bool HeadlessBackend::RevealFile(const std::string& path) {
    reveals_.push_back(path);
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

void HeadlessBackend::ShowAboutBox(const std::string& name, const std::string& version) {
    aboutBoxes_.push_back(AboutBox{name, version});
    if (!AboutBoxIsKey()) {
        keyBeforeAboutBox_ = keyWindow_;
    }
    aboutBoxOpen_ = true;
    keyWindow_ = 0;
}

void HeadlessBackend::CloseAboutBox() {
    if (!aboutBoxOpen_) {
        return;
    }
    const bool wasKey = AboutBoxIsKey();
    aboutBoxOpen_ = false;
    const auto before = windows_.find(keyBeforeAboutBox_);
    if (wasKey && before != windows_.end() && !before->second.Destroyed) {
        keyWindow_ = keyBeforeAboutBox_;
    }
}

}  // namespace fw::headless

namespace fw {

std::unique_ptr<Backend> CreateBackend() {
    auto backend = std::make_unique<headless::HeadlessBackend>();
    headless::Latest() = backend.get();
    return backend;
}

}  // namespace fw
