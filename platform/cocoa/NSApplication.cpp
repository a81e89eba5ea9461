// The shared application: About box and panel, activation, the main menu that mirrors
// the application's menu bar, and actions sent through the responder chain.

#include "cocoa/NSApplication.h"

#include "cocoa/AppKitSupport.h"
#include "cocoa/NSMenu.h"
#include "framework/Application.h"
#include "framework/Runtime.h"

namespace cocoa {

namespace {
id& Delegate() {
    static id delegate = nullptr;
    return delegate;
}
}  // namespace

void SetApplicationDelegate(id delegate) {
    Delegate() = delegate;
}

id ApplicationDelegate() {
    return Delegate();
}

namespace detail {

namespace {

class NSApplicationObject final : public Object {
public:
    explicit NSApplicationObject(Class* isa) : Object(isa) {}

    // The mirror of the application's menu bar, brought up to date; nil without a bar.
    id MainMenu() {
        fw::Ref<fw::Application> app = fw::GetAppObject_();
        fw::Ref<fw::MenuBar> bar = app ? app->MenuBar() : nullptr;
        if (!bar) {
            mainMenu_.reset();
            return nullptr;
        }
        if (!mainMenu_ || mainMenu_->Source().Get() != bar.Get()) {
            mainMenu_ = Make<NSMenuObject>("NSMenu");
        }
        MirrorMenu(*mainMenu_, bar);
        return mainMenu_.get();
    }

private:
    std::shared_ptr<NSMenuObject> mainMenu_;
};

Value SendAction(SEL action, id target, id sender) {
    id receiver = TargetForAction(action, target);
    if (receiver == nullptr) {
        return NO;
    }
    if (action->ArgumentCount() == 0) {
        SendMessage(receiver, action, {});
    } else {
        Value argument(sender);
        SendMessage(receiver, action, Arguments(&argument, 1));
    }
    return YES;
}

}  // namespace

id AboutPanel() {
    static const std::shared_ptr<Object> panel = NewInstance("NSPanel");
    return panel.get();
}

id SharedApplication() {
    static const std::shared_ptr<NSApplicationObject> shared =
        Make<NSApplicationObject>("NSApplication");
    return shared.get();
}

void DefineApplicationClass() {
    Class& c = DefineClass("NSApplication", "NSResponder");
    c.AddClassMethod("sharedApplication",
                     [](id, Arguments) -> Value { return SharedApplication(); });

    c.AddMethod("orderFrontStandardAboutPanel:", [](id, Arguments) -> Value {
        fw::Backend* backend = ActiveBackend();
        fw::Ref<fw::Application> app = fw::GetAppObject_();
        if (backend == nullptr || !app) {
            return {};
        }
        fw::Ref<fw::FolderItem> executable = app->ExecutableFile();
        backend->ShowAboutBox(executable ? executable->Name() : std::string(), app->ShortVersion());
        return {};
    });
    c.AddMethod("activateIgnoringOtherApps:", [](id, Arguments) -> Value {
        if (fw::Backend* backend = ActiveBackend()) {
            backend->ActivateApplication();
        }
        return {};
    });
    c.AddMethod("arrangeInFront:", [](id, Arguments) -> Value {
        fw::Backend* backend = ActiveBackend();
        fw::Ref<fw::Application> app = fw::GetAppObject_();
        if (backend == nullptr || !app) {
            return {};
        }
        // Back to front, so that the frontmost window ends up in front again.
        for (std::int64_t i = app->WindowCount() - 1; i >= 0; --i) {
            fw::Ref<fw::Window> window = app->Window(i);
            if (window && window->IsOpen() && window->HasPeer_() && window->Visible()) {
                backend->RaiseWindow(window->Id());
            }
        }
        return {};
    });
    // The About panel stands for the backend's own box, not for a framework window, so it
    // is no NSWindow here: the backend shows and closes it.
    Class& panel = DefineClass("NSPanel", "NSResponder");
    panel.AddMethod("performClose:", [](id, Arguments) -> Value {
        if (fw::Backend* backend = ActiveBackend()) {
            backend->CloseAboutBox();
        }
        return {};
    });
    c.AddMethod("mainMenu", [](id self, Arguments) -> Value {
        return Self<NSApplicationObject>(self).MainMenu();
    });
    c.AddMethod("sendAction:to:from:", [](id, Arguments args) -> Value {
        return SendAction(args[0].AsSel(), args[1].AsId(), args[2].AsId());
    });
    c.AddMethod("targetForAction:to:from:", [](id, Arguments args) -> Value {
        return TargetForAction(args[0].AsSel(), args[1].AsId());
    });
}

}  // namespace detail
}  // namespace cocoa
