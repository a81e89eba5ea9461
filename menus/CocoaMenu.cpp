#include "menus/CocoaMenu.h"

#include <vector>

#include "app/App.h"
#include "cocoa/Cocoa.h"
#include "framework/Strings.h"

namespace CocoaMenu {

using namespace cocoa;

namespace {

// The caption as the native menu shows it: without its first "&".
std::string NativeTitle(const fw::Ref<fw::MenuItem>& item) {
    return fw::Replace(item->Text(), "&", "");
}

}  // namespace

id CocoaMenuItem::NSApp() {
    return SendId(NSClassFromString("NSApplication"), NSSelectorFromString("sharedApplication"));
}

id CocoaMenuItem::MainMenu() {
    return SendId(NSApp(), NSSelectorFromString("mainMenu"));
}

fw::Ref<fw::MenuItem> CocoaMenuItem::GetParentOf(const fw::Ref<fw::MenuItem>& item) {
    if (!item) {
        return nullptr;
    }
    fw::Ref<fw::MenuBar> bar = App()->MenuBar();
    if (!bar) {
        return nullptr;
    }
    std::vector<fw::Ref<fw::MenuItem>> stack{bar};
    while (!stack.empty()) {
        fw::Ref<fw::MenuItem> m = stack.back();
        stack.pop_back();
        for (std::int64_t i = 0; i < m->Count(); ++i) {
            fw::Ref<fw::MenuItem> c = m->Item(i);
            if (!c) {
                continue;
            }
            if (c == item) {
                return m;
            }
            if (c->Count() > 0) {
                stack.push_back(c);
            }
        }
    }
    return nullptr;
}

id CocoaMenuItem::GetNSMenu(const fw::Ref<fw::MenuItem>& item) {
    if (!item) {
        return nullptr;
    }
    if (item == App()->MenuBar()) {
        return MainMenu();
    }
    id parent = GetNSMenu(GetParentOf(item));
    CFString title = CFStringCreateWithString(NativeTitle(item));
    id nsItem = SendId(parent, NSSelectorFromString("itemWithTitle:"), {title});
    return SendId(nsItem, NSSelectorFromString("submenu"));
}

id CocoaMenuItem::GetNSMenuItem(const fw::Ref<fw::MenuItem>& item) {
    id parent = GetNSMenu(GetParentOf(item));
    if (parent == nullptr) {
        return nullptr;
    }
    CFString title = CFStringCreateWithString(NativeTitle(item));
    return SendId(parent, NSSelectorFromString("itemWithTitle:"), {title});
}

fw::Ref<fw::MenuItem> CocoaMenuItem::Self() {
    return fw::Ref<fw::MenuItem>(std::static_pointer_cast<fw::MenuItem>(shared_from_this()));
}

bool CocoaMenuItem::Event_Action() {
    id ns = GetNSMenuItem(Self());
    objc_msgSend(ns, NSSelectorFromString("setTag:"), {CocoaTag()});
    if (Action()) {
        return false;
    }
    id app = NSApp();
    SEL selector = ActionSelector();
    id target = Target(ns);
    return SendBool(app, NSSelectorFromString("sendAction:to:from:"), {selector, target, ns});
}

void CocoaMenuItem::Event_EnableMenu() {
    id ns = GetNSMenuItem(Self());
    if (ns != nullptr) {
        objc_msgSend(ns, NSSelectorFromString("setTarget:"), {Target(ns)});
        objc_msgSend(ns, NSSelectorFromString("setAction:"), {ActionSelector()});
        objc_msgSend(ns, NSSelectorFromString("setTag:"), {CocoaTag()});
    }

    id t = nullptr;
    if (Target(ns) != nullptr) {
        t = Target(ns);
    } else {
        t = SendId(NSApp(), NSSelectorFromString("targetForAction:to:from:"),
                   {ActionSelector(), nil, ns});
    }

    if (t == nullptr) {
        SetEnabled(false);
    } else {
        SEL validateMenuItem = NSSelectorFromString("validateMenuItem:");
        SEL validateItem = NSSelectorFromString("validateUserInterfaceItem:");
        SEL respondsTo = NSSelectorFromString("respondsToSelector:");
        const bool hasMenuValidator = SendBool(t, respondsTo, {validateMenuItem});
        const bool hasItemValidator = SendBool(t, respondsTo, {validateItem});
        if (!hasMenuValidator && !hasItemValidator) {
            SetEnabled(true);
        } else {
            bool enabled = false;
            if (hasMenuValidator) {
                enabled = SendBool(t, validateMenuItem, {ns}) || enabled;
            }
            if (hasItemValidator) {
                enabled = SendBool(t, validateItem, {ns}) || enabled;
            }
            SetEnabled(enabled);
        }
    }
    EnableMenu(t);
}

SEL CocoaMenuItem::ActionSelector() {
    return NSSelectorFromString(ActionSelectorName());
}

id CocoaMenuItem::Target(id nsMenuItem) {
    return TargetEvent(nsMenuItem);
}

void CocoaMenuItemRedo::EnableMenu(id target) {
    if (SendBool(target, NSSelectorFromString("respondsToSelector:"),
                 {NSSelectorFromString("undoManager")})) {
        id undoManager = SendId(target, NSSelectorFromString("undoManager"));
        SetEnabled(SendBool(undoManager, NSSelectorFromString("canRedo")));
    } else {
        SetEnabled(false);
    }
}

}  // namespace CocoaMenu
