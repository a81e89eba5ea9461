// Control objects: the first responders of the responder chain. The list answers
// Select All; buttons and labels take no menu actions.

#include <map>
#include <memory>

#include "cocoa/AppKitSupport.h"
#include "framework/Listbox.h"

namespace cocoa {

namespace {

class NSViewObject final : public Object {
public:
    NSViewObject(Class* isa, std::weak_ptr<fw::RectControl> control)
        : Object(isa), control_(std::move(control)) {}

    fw::Ref<fw::RectControl> Control() const { return fw::Ref<fw::RectControl>(control_.lock()); }

private:
    std::weak_ptr<fw::RectControl> control_;
};

std::map<fw::PeerId, std::shared_ptr<NSViewObject>>& ViewObjects() {
    static std::map<fw::PeerId, std::shared_ptr<NSViewObject>> objects;
    return objects;
}

const char* ClassNameFor(const fw::RectControl& control) {
    switch (control.PeerState_().Kind) {
        case fw::ControlKind::Listbox:
            return "NSTableView";
        case fw::ControlKind::PushButton:
            return "NSButton";
        case fw::ControlKind::Label:
            return "NSTextField";
    }
    return "NSView";
}

fw::Ref<fw::Listbox> ListOf(id self) {
    return fw::TryCast<fw::Listbox>(Self<NSViewObject>(self).Control());
}

}  // namespace

namespace detail {

id ViewObjectFor(const fw::Ref<fw::RectControl>& control) {
    auto& objects = ViewObjects();
    std::erase_if(objects, [](const auto& entry) { return !entry.second->Control(); });
    if (!control) {
        return nullptr;
    }
    auto& slot = objects[control->Id()];
    if (!slot || slot->Control().Get() != control.Get()) {
        slot = Make<NSViewObject>(ClassNameFor(*control), control.Shared());
    }
    return slot.get();
}

void DefineViewClasses() {
    DefineClass("NSView", "NSResponder");
    DefineClass("NSControl", "NSView");
    DefineClass("NSButton", "NSControl");
    DefineClass("NSTextField", "NSControl");

    Class& table = DefineClass("NSTableView", "NSControl");
    table.AddMethod("selectAll:", [](id self, Arguments) -> Value {
        if (fw::Ref<fw::Listbox> list = ListOf(self)) {
            list->SelectAll();
        }
        return {};
    });
    // Select All is offered only where the list can select every row.
    table.AddMethod("validateUserInterfaceItem:", [](id self, Arguments args) -> Value {
        id item = args[0].AsId();
        SEL action = nullptr;
        if (RespondsTo(item, sel_registerName("action"))) {
            action = SendSel(item, sel_registerName("action"));
        }
        if (action != sel_registerName("selectAll:")) {
            return YES;
        }
        fw::Ref<fw::Listbox> list = ListOf(self);
        return list && list->CanSelectAll();
    });
}

}  // namespace detail
}  // namespace cocoa
