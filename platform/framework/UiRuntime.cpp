#include "UiRuntime.h"

#include "Application.h"
#include "DragItem.h"
#include "Listbox.h"
#include "MenuBar.h"
#include "MenuItem.h"
#include "PushButton.h"
#include "RuntimeExceptionObject.h"
#include "Window.h"

namespace fw {

namespace {
std::unique_ptr<UiRuntime>& Current() {
    static std::unique_ptr<UiRuntime> current;
    return current;
}
}  // namespace

UiRuntime::UiRuntime(MakeTag) : backend_(CreateBackend()) {
    SetMainThread_(std::this_thread::get_id());
}

UiRuntime& UiRuntime::Get() {
    auto& current = Current();
    if (!current) {
        current = std::make_unique<UiRuntime>(MakeTag{});
    }
    return *current;
}

void UiRuntime::Restart() {
    auto& current = Current();
    // Windows and the application refer back to the runtime while they go away.
    std::unique_ptr<UiRuntime> old = std::move(current);
    current = std::make_unique<UiRuntime>(MakeTag{});
    if (old) {
        old->windows_.clear();
        old->implicitWindows.clear();
        old->app = nullptr;
    }
}

void UiRuntime::InitializeBackend() {
    if (!initialized_) {
        backend_->Initialize(*this);
        initialized_ = true;
        // The application's bar is usually set during start-up, before this.
        if (app && app->MenuBar()) {
            backend_->SetApplicationMenuBar(app->MenuBar());
        }
    }
}

void UiRuntime::RaiseEvent(const std::function<void()>& handler, bool flushAfter) {
    struct Depth {
        UiRuntime& runtime;
        bool flush;
        Depth(UiRuntime& r, bool f) : runtime(r), flush(f) { ++runtime.eventDepth_; }
        ~Depth() {
            if (--runtime.eventDepth_ == 0 && flush) {
                runtime.FlushPendingUpdates();
            }
        }
    } depth(*this, flushAfter);
    Ref<Object> escaped;
    try {
        escaped = exceptionHelper ? exceptionHelper(handler)
                                  : CallFunctionWithExceptionHandling_(handler);
    } catch (const std::exception& e) {
        UnhandledException_(e);
        return;
    }
    if (auto carried = TryCast<RuntimeExceptionObject>(escaped)) {
        try {
            carried->Rethrow();
        } catch (const std::exception& e) {
            UnhandledException_(e);
        }
    }
}

void UiRuntime::ScheduleRowsUpdate(const std::shared_ptr<Listbox>& list) {
    pendingLists_.push_back(list);
    if (flushPosted_ || eventDepth_ > 0) {
        return;  // the event's end sends it
    }
    // Changed outside any event (a posted task, start-up code): send it from the loop.
    flushPosted_ = true;
    backend_->Post([] { Get().FlushPendingUpdates(); });
}

void UiRuntime::FlushPendingUpdates() {
    flushPosted_ = false;
    // Sending may not add to the list, but a list may go away meanwhile.
    auto pending = std::move(pendingLists_);
    pendingLists_.clear();
    for (const auto& weak : pending) {
        if (auto list = weak.lock()) {
            list->FlushRows_();
        }
    }
}

void UiRuntime::AddWindow(const Ref<Window>& window) {
    windows_.push_back(window);
}

void UiRuntime::RemoveWindow(const Window& window) {
    std::erase_if(windows_, [&](const Ref<Window>& w) { return w.Get() == &window; });
    for (auto it = implicitWindows.begin(); it != implicitWindows.end();) {
        it = it->second.Get() == &window ? implicitWindows.erase(it) : std::next(it);
    }
}

Ref<Window> UiRuntime::FindWindow(PeerId id) const {
    for (const auto& w : windows_) {
        if (w->Id() == id) {
            return w;
        }
    }
    return nullptr;
}

Ref<RectControl> UiRuntime::FindControl(PeerId id) const {
    for (const auto& w : windows_) {
        for (const auto& c : w->Controls()) {
            if (c->Id() == id) {
                return c;
            }
        }
    }
    return nullptr;
}

void UiRuntime::OpenApplicationAndWindows() {
    if (!appOpened_) {
        appOpened_ = true;
        if (app) {
            auto theApp = app;
            RaiseEvent([&] { theApp->Event_Open(); });
        }
    }
    if (quitting_) {
        return;
    }
    // Windows made by an Open handler have opened already; the rest open now.
    auto pending = windows_;
    for (const auto& w : pending) {
        if (quitting_) {
            return;
        }
        if (!w->IsOpen() && !w->IsClosed()) {
            w->OpenNow_();
        }
    }
}

void UiRuntime::RequestQuit(int exitCode) {
    if (quitting_) {
        return;
    }
    quitting_ = true;
    exitCode_ = exitCode;
    // Every window's Close comes before the application's.
    while (!windows_.empty()) {
        auto w = windows_.front();
        w->Close();
        if (!windows_.empty() && windows_.front() == w) {
            windows_.erase(windows_.begin());  // a Close that left it registered
        }
    }
    if (app) {
        auto theApp = app;
        RaiseEvent([&] { theApp->Event_Close(); });
    }
    backend_->Quit();
}

void UiRuntime::WindowClosed() {
    if (!quitting_ && windows_.empty() && app && app->AutoQuit) {
        RequestQuit(0);
    }
}

void UiRuntime::WindowFrameChanged(PeerId window, const PeerRect& frame) {
    if (auto w = FindWindow(window)) {
        w->PeerFrameChanged_(frame);
    }
}

void UiRuntime::WindowCloseRequested(PeerId window) {
    if (auto w = FindWindow(window)) {
        w->Close();
    }
}

void UiRuntime::WindowPaint(PeerId window, const Ref<Graphics>& g,
                            const std::vector<PeerRect>& areas) {
    if (auto w = FindWindow(window)) {
        w->Paint_(g, areas);
    }
}

bool UiRuntime::WindowAcceptsDrop(PeerId window, const std::vector<std::string>& paths) {
    auto w = FindWindow(window);
    if (!w) {
        return false;
    }
    for (const auto& path : paths) {
        if (w->AcceptsPath(path)) {
            return true;
        }
    }
    return false;
}

void UiRuntime::WindowFilesDropped(PeerId window, const std::vector<std::string>& paths) {
    if (auto w = FindWindow(window)) {
        w->DropPaths_(paths);
    }
}

void UiRuntime::ButtonClicked(PeerId control) {
    if (auto button = TryCast<PushButton>(FindControl(control))) {
        button->PeerClicked_();
    }
}

void UiRuntime::ListSelectionChanged(PeerId control, const std::vector<int>& rows) {
    if (auto list = TryCast<Listbox>(FindControl(control))) {
        list->PeerSelectionChanged_(rows);
    }
}

void UiRuntime::ListDoubleClicked(PeerId control, int row) {
    if (auto list = TryCast<Listbox>(FindControl(control))) {
        list->PeerDoubleClicked_(row);
    }
}

bool UiRuntime::ListCellBackgroundPaint(PeerId control, int row, int column,
                                        const Ref<Graphics>& g) {
    auto list = TryCast<Listbox>(FindControl(control));
    if (!list || row < 0 || row >= list->ListCount()) {
        return false;
    }
    bool answer = false;
    // Not while the list paints: the rows it is drawing must stay as they are.
    RaiseEvent([&] { answer = list->Event_CellBackgroundPaint(g, row, column); }, false);
    return answer;
}

UiRuntime::KeyTargets UiRuntime::MenuKeyTargets() const {
    KeyTargets targets;
    Backend* backend = initialized_ ? backend_.get() : nullptr;
    if (!backend) {
        return targets;
    }
    targets.window = FindWindow(backend->KeyWindow());
    if (!targets.window || !targets.window->IsOpen()) {
        targets.window = nullptr;
        return targets;
    }
    targets.control = FindControl(backend->FocusedControl());
    if (targets.control && targets.control->Window() != targets.window) {
        targets.control = nullptr;
    }
    return targets;
}

bool UiRuntime::CanActOn(const MenuItem& item) const {
    if (item.QuitsApplication()) {
        return true;  // the framework's own action
    }
    const KeyTargets targets = MenuKeyTargets();
    return (targets.control && targets.control->MenuHandlers_().Has(item.Name())) ||
           (targets.window && targets.window->MenuHandlers_().Has(item.Name())) ||
           (app && app->MenuHandlers_().Has(item.Name()));
}

void UiRuntime::EnableMenuItem(const Ref<MenuItem>& item) {
    const bool isMenu = item->Count() > 0 || TryCast<MenuBar>(item->Parent());
    if (item->AutoEnabled() && !isMenu && !item->IsSeparator()) {
        item->SetEnabled(CanActOn(*item));
    }
    // After the rule: an item's own handler has the last word.
    RaiseEvent([&] { item->RaiseEnableMenu(); });
}

void UiRuntime::MenuAboutToShow(const Ref<MenuItem>& menu) {
    if (!menu) {
        return;
    }
    for (std::int64_t i = 0; i < menu->Count(); ++i) {
        EnableMenuItem(menu->Item(i));
    }
}

void UiRuntime::MenuItemChosen(const Ref<MenuItem>& item) {
    if (!item) {
        return;
    }
    // The item's state is used here: let it update itself first.
    EnableMenuItem(item);
    if (!item->Enabled() || !item->Visible()) {
        return;
    }
    const KeyTargets targets = MenuKeyTargets();
    bool handled = false;
    RaiseEvent([&] {
        handled = (targets.control && targets.control->MenuHandlers_().Run(item->Name())) ||
                  (targets.window && targets.window->MenuHandlers_().Run(item->Name()));
    });
    if (handled) {
        return;
    }
    if (app) {
        auto theApp = app;
        RaiseEvent([&] { theApp->ChooseMenuItem_(item); });
    } else {
        bool handled = false;
        RaiseEvent([&] { handled = item->RaiseAction(); });
        if (!handled && item->QuitsApplication()) {
            RequestQuit(0);
        }
    }
}

void UiRuntime::QuitRequested() {
    if (app) {
        app->Quit(0);
    } else {
        RequestQuit(0);
    }
}

}  // namespace fw
