// Window objects: the responder of a framework window, with its screen, its undo
// manager and the window actions of the Window and Edit menus.

#include "cocoa/NSWindow.h"

#include <map>
#include <memory>

#include "cocoa/AppKitSupport.h"
#include "framework/UiRuntime.h"

namespace cocoa {

namespace {

class NSUndoManagerObject final : public Object {
public:
    explicit NSUndoManagerObject(Class* isa) : Object(isa) {}
    // Nothing registers undo actions, so there is never anything to undo or redo.
    bool CanUndo() const { return false; }
    bool CanRedo() const { return false; }
};

class NSWindowObject final : public Object {
public:
    NSWindowObject(Class* isa, std::weak_ptr<fw::Window> window)
        : Object(isa), window_(std::move(window)) {}

    // The framework window, Nil once it is gone.
    fw::Ref<fw::Window> Window() const { return fw::Ref<fw::Window>(window_.lock()); }

    NSUndoManagerObject& UndoManager() {
        if (!undoManager_) {
            undoManager_ = Make<NSUndoManagerObject>("NSUndoManager");
        }
        return *undoManager_;
    }

private:
    std::weak_ptr<fw::Window> window_;
    std::shared_ptr<NSUndoManagerObject> undoManager_;
};

std::map<fw::PeerId, std::shared_ptr<NSWindowObject>>& WindowObjects() {
    static std::map<fw::PeerId, std::shared_ptr<NSWindowObject>> objects;
    return objects;
}

fw::Ref<fw::Window> WindowOf(id self) {
    fw::Ref<fw::Window> window = Self<NSWindowObject>(self).Window();
    return window && !window->IsClosed() ? window : nullptr;
}

bool ValidateWindowAction(id self, SEL action) {
    auto& object = Self<NSWindowObject>(self);
    if (action == sel_registerName("performClose:")) {
        fw::Ref<fw::Window> window = WindowOf(self);
        return window && window->HasCloseButton;
    }
    if (action == sel_registerName("undo:")) {
        return object.UndoManager().CanUndo();
    }
    if (action == sel_registerName("redo:")) {
        return object.UndoManager().CanRedo();
    }
    return true;
}

}  // namespace

id NSWindowForHandle(std::uintptr_t handle) {
    return detail::WindowObjectFor(fw::Window::FromHandle(handle));
}

namespace detail {

id WindowObjectFor(const fw::Ref<fw::Window>& window) {
    auto& objects = WindowObjects();
    std::erase_if(objects, [](const auto& entry) {
        fw::Ref<fw::Window> w = entry.second->Window();
        return !w || w->IsClosed();
    });
    if (!window || window->IsClosed()) {
        return nullptr;
    }
    // Peer ids start again with every run of the runtime: the entry must be this window's.
    auto& slot = objects[window->Id()];
    if (!slot || slot->Window().Get() != window.Get()) {
        slot = Make<NSWindowObject>("NSWindow", window.Shared());
    }
    return slot.get();
}

void DefineWindowClasses() {
    Class& undo = DefineClass("NSUndoManager", "NSObject");
    undo.AddMethod("canUndo", [](id self, Arguments) -> Value {
        return Self<NSUndoManagerObject>(self).CanUndo();
    });
    undo.AddMethod("canRedo", [](id self, Arguments) -> Value {
        return Self<NSUndoManagerObject>(self).CanRedo();
    });

    Class& c = DefineClass("NSWindow", "NSResponder");
    c.AddClassMethod("setAllowsAutomaticWindowTabbing:", [](id, Arguments args) -> Value {
        if (fw::Backend* backend = ActiveBackend()) {
            backend->SetAutomaticWindowTabbing(args[0].AsBool());
        }
        return {};
    });

    c.AddMethod("screen", [](id self, Arguments) -> Value {
        fw::Backend* backend = ActiveBackend();
        fw::Ref<fw::Window> window = WindowOf(self);
        if (backend == nullptr || !window) {
            return nil;
        }
        return ScreenObjectAt(backend->WindowScreen(window->Id()));
    });
    c.AddMethod("performClose:", [](id self, Arguments) -> Value {
        fw::Ref<fw::Window> window = WindowOf(self);
        if (window && window->HasCloseButton) {
            window->Close();
        }
        return {};
    });
    c.AddMethod("performMiniaturize:", [](id self, Arguments) -> Value {
        fw::Backend* backend = ActiveBackend();
        fw::Ref<fw::Window> window = WindowOf(self);
        if (backend != nullptr && window && window->HasPeer_()) {
            backend->MinimizeWindow(window->Id());
        }
        return {};
    });
    c.AddMethod("performZoom:", [](id self, Arguments) -> Value {
        fw::Backend* backend = ActiveBackend();
        fw::Ref<fw::Window> window = WindowOf(self);
        if (backend != nullptr && window && window->HasPeer_()) {
            backend->ZoomWindow(window->Id());
        }
        return {};
    });
    c.AddMethod("undoManager", [](id self, Arguments) -> Value {
        return static_cast<id>(&Self<NSWindowObject>(self).UndoManager());
    });
    // Undo and redo do nothing while the undo manager has nothing to undo or redo.
    c.AddMethod("undo:", [](id, Arguments) -> Value { return {}; });
    c.AddMethod("redo:", [](id, Arguments) -> Value { return {}; });
    c.AddMethod("validateMenuItem:", [](id self, Arguments args) -> Value {
        id item = args[0].AsId();
        SEL action = nullptr;
        if (RespondsTo(item, sel_registerName("action"))) {
            action = SendSel(item, sel_registerName("action"));
        }
        return ValidateWindowAction(self, action);
    });
}

}  // namespace detail
}  // namespace cocoa
