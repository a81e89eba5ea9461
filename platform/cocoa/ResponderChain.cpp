#include "cocoa/AppKitSupport.h"
#include "cocoa/NSApplication.h"
#include "framework/UiRuntime.h"

namespace cocoa::detail {

void DefineResponderClasses() {
    DefineClass("NSResponder", "NSObject");
}

std::vector<id> ResponderChain() {
    std::vector<id> chain;
    if (fw::Backend* backend = ActiveBackend()) {
        auto& runtime = fw::UiRuntime::Get();
        fw::Ref<fw::Window> window = runtime.FindWindow(backend->KeyWindow());
        if (window && window->IsOpen()) {
            fw::Ref<fw::RectControl> control = runtime.FindControl(backend->FocusedControl());
            if (control && control->Window() == window) {
                chain.push_back(ViewObjectFor(control));
            }
            chain.push_back(WindowObjectFor(window));
        } else if (backend->AboutBoxIsKey()) {
            chain.push_back(AboutPanel());
        }
    }
    chain.push_back(SharedApplication());
    if (id delegate = ApplicationDelegate()) {
        chain.push_back(delegate);
    }
    return chain;
}

id TargetForAction(SEL action, id target) {
    if (action == nullptr) {
        return nullptr;
    }
    // An explicit target is the only one asked: the action was meant for it.
    if (target != nullptr) {
        return RespondsTo(target, action) ? target : nullptr;
    }
    for (id responder : ResponderChain()) {
        if (RespondsTo(responder, action)) {
            return responder;
        }
    }
    return nullptr;
}

}  // namespace cocoa::detail
