#pragma once
// Native menus that mirror the framework's menu tree: one menu item object per
// framework item, titled with its caption less the first "&", a menu's items in the
// submenu of its item. Items keep their identity, tag, target and action across
// updates for as long as their framework item stays in the tree.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cocoa/Runtime.h"
#include "framework/MenuItem.h"

namespace cocoa {

class NSMenuObject;

class NSMenuItemObject final : public Object {
public:
    explicit NSMenuItemObject(Class* isa) : Object(isa) {}

    const std::string& Title() const { return title_; }
    std::int64_t Tag() const { return tag_; }
    // Not retained, as a menu item's target is not.
    id Target() const { return target_; }
    SEL Action() const { return action_; }
    const std::shared_ptr<NSMenuObject>& Submenu() const { return submenu_; }

    void SetTag(std::int64_t tag) { tag_ = tag; }
    void SetTarget(id target) { target_ = target; }
    void SetAction(SEL action) { action_ = action; }

private:
    friend void MirrorMenu(NSMenuObject& menu, const fw::Ref<fw::MenuItem>& source);

    std::string title_;
    std::int64_t tag_{0};
    id target_{nullptr};
    SEL action_{nullptr};
    std::shared_ptr<NSMenuObject> submenu_;
    std::weak_ptr<fw::MenuItem> source_;
};

class NSMenuObject final : public Object {
public:
    explicit NSMenuObject(Class* isa) : Object(isa) {}

    const std::vector<std::shared_ptr<NSMenuItemObject>>& Items() const { return items_; }
    // The first item titled exactly title, or nil.
    id ItemWithTitle(std::string_view title) const;
    // The framework item this menu mirrors.
    fw::Ref<fw::MenuItem> Source() const { return fw::Ref<fw::MenuItem>(source_.lock()); }

private:
    friend void MirrorMenu(NSMenuObject& menu, const fw::Ref<fw::MenuItem>& source);

    std::vector<std::shared_ptr<NSMenuItemObject>> items_;
    std::weak_ptr<fw::MenuItem> source_;
};

// A caption as a native title: without its first "&".
std::string NativeMenuTitle(std::string_view caption);

// Brings menu's items in line with source's children, reusing the items of children
// that were mirrored before.
void MirrorMenu(NSMenuObject& menu, const fw::Ref<fw::MenuItem>& source);

}  // namespace cocoa
