#include "cocoa/NSMenu.h"

#include "cocoa/AppKitSupport.h"
#include "cocoa/AutoreleasePool.h"
#include "cocoa/NSString.h"

namespace cocoa {

std::string NativeMenuTitle(std::string_view caption) {
    std::string title(caption);
    if (auto at = title.find('&'); at != std::string::npos) {
        title.erase(at, 1);
    }
    return title;
}

id NSMenuObject::ItemWithTitle(std::string_view title) const {
    for (const auto& item : items_) {
        if (item->Title() == title) {
            return item.get();
        }
    }
    return nullptr;
}

void MirrorMenu(NSMenuObject& menu, const fw::Ref<fw::MenuItem>& source) {
    menu.source_ = source.Shared();
    std::vector<std::shared_ptr<NSMenuItemObject>> mirrored;
    for (std::int64_t i = 0; i < source->Count(); ++i) {
        fw::Ref<fw::MenuItem> child = source->Item(i);
        if (!child) {
            continue;
        }
        std::shared_ptr<NSMenuItemObject> item;
        for (const auto& old : menu.items_) {
            if (old->source_.lock() == child.Shared()) {
                item = old;
                break;
            }
        }
        if (!item) {
            item = Make<NSMenuItemObject>("NSMenuItem");
            item->source_ = child.Shared();
        }
        item->title_ = child->IsSeparator() ? std::string() : NativeMenuTitle(child->Text());
        if (child->Count() > 0) {
            if (!item->submenu_) {
                item->submenu_ = Make<NSMenuObject>("NSMenu");
            }
            MirrorMenu(*item->submenu_, child);
        } else {
            item->submenu_.reset();
        }
        mirrored.push_back(std::move(item));
    }
    menu.items_ = std::move(mirrored);
}

namespace detail {

void DefineMenuClasses() {
    Class& menu = DefineClass("NSMenu", "NSObject");
    menu.AddMethod("itemWithTitle:", [](id self, Arguments args) -> Value {
        id title = args[0].AsId();
        if (title == nullptr) {
            return nil;
        }
        return Self<NSMenuObject>(self).ItemWithTitle(StringValue(title));
    });

    Class& item = DefineClass("NSMenuItem", "NSObject");
    item.AddMethod("title", [](id self, Arguments) -> Value {
        return MakeAutoreleasedString(Self<NSMenuItemObject>(self).Title());
    });
    item.AddMethod("submenu", [](id self, Arguments) -> Value {
        return Self<NSMenuItemObject>(self).Submenu().get();
    });
    item.AddMethod("tag",
                   [](id self, Arguments) -> Value { return Self<NSMenuItemObject>(self).Tag(); });
    item.AddMethod("setTag:", [](id self, Arguments args) -> Value {
        Self<NSMenuItemObject>(self).SetTag(args[0].AsInt());
        return {};
    });
    item.AddMethod("target", [](id self, Arguments) -> Value {
        return Self<NSMenuItemObject>(self).Target();
    });
    item.AddMethod("setTarget:", [](id self, Arguments args) -> Value {
        Self<NSMenuItemObject>(self).SetTarget(args[0].AsId());
        return {};
    });
    item.AddMethod("action", [](id self, Arguments) -> Value {
        return Self<NSMenuItemObject>(self).Action();
    });
    item.AddMethod("setAction:", [](id self, Arguments args) -> Value {
        Self<NSMenuItemObject>(self).SetAction(args[0].AsSel());
        return {};
    });
}

}  // namespace detail
}  // namespace cocoa
