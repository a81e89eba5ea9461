#pragma once
// A menu, menu item or separator of the framework's menu tree. The model keeps all
// state; a backend mirrors it and is told of changes through observers.
//
// Programs subclass MenuItem and override Event_Action / Event_EnableMenu; the
// windowing and application layers call RaiseAction / RaiseEnableMenu.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Object.h"

namespace fw {

// What changed on an item, for observers.
enum class MenuChange { Name, Text, Shortcut, AutoEnabled, Visible, Enabled, Children };

class MenuItem : public Object {
public:
    using Observer = std::function<void(MenuItem& item, MenuChange change)>;

    MenuItem() = default;
    ~MenuItem() override = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    std::string ClassName() const override { return "MenuItem"; }

    // The item's name, unique in its menu bar; lookups compare it with StringEquals.
    const std::string& Name() const { return name_; }
    void SetName(std::string name);

    // The caption. "-" makes the item a separator; "&" marks the next letter as the
    // mnemonic.
    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    bool IsSeparator() const { return text_ == "-"; }

    // The keyboard shortcut as modifier words and a key joined by "+" ("Cmd+W",
    // "Cmd+Shift+Z"; see ParseShortcut); nullopt for none.
    const std::optional<std::string>& Shortcut() const { return shortcut_; }
    void SetShortcut(std::optional<std::string> shortcut);
    // Whether SetShortcut was ever called, with a shortcut or with none.
    bool ShortcutAssigned() const { return shortcutAssigned_; }

    // All three start True. Before an auto-enabled item's EnableMenu event, the framework
    // enables it only when something can act on it: a menu handler for its Name in the
    // focused control, the key window or the application, or the framework's own action
    // (QuitsApplication). Menus and separators are left as they are. An item that acts
    // by itself enables itself in EnableMenu, or turns AutoEnabled off.
    bool AutoEnabled() const { return autoEnabled_; }
    void SetAutoEnabled(bool autoEnabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Appends item at the end of this item's submenu and makes this item its parent.
    // NilObjectException for Nil; RuntimeException for an item that already sits in a
    // menu, or for this item or one of its ancestors (which would make a cycle).
    void AddMenu(const Ref<MenuItem>& item);
    // The direct child whose Name equals name (StringEquals), or Nil.
    Ref<MenuItem> Child(std::string_view name) const;
    std::int64_t Count() const { return static_cast<std::int64_t>(children_.size()); }
    // The child at index (from 0), or Nil outside 0..Count()-1.
    Ref<MenuItem> Item(std::int64_t index) const;
    // The first item of that name anywhere below this one, depth-first in menu order
    // (the item itself is not looked at), or Nil.
    Ref<MenuItem> Lookup_(std::string_view name) const;
    // The item whose submenu holds this one, or Nil.
    Ref<MenuItem> Parent() const { return Ref<MenuItem>(parent_.lock()); }

    // True for the item kinds whose choice the application layer answers by quitting.
    virtual bool QuitsApplication() const { return false; }

    // The events, for subclasses to override. The framework raises them through
    // RaiseAction / RaiseEnableMenu.
    // Action: the user chose the item; True means it was handled. Default: False.
    virtual bool Event_Action() { return false; }
    // EnableMenu: the item's enabled state is about to be shown or used. Default: nothing.
    virtual void Event_EnableMenu() {}

    // What the windowing and application layers call: Action when the item is chosen,
    // EnableMenu before its enabled state is shown or used.
    bool RaiseAction() { return Event_Action(); }
    void RaiseEnableMenu() { Event_EnableMenu(); }

    // Observers hear of every change to this item and to any item below it.
    // AddObserver returns an id for RemoveObserver.
    std::int64_t AddObserver(Observer observer);
    void RemoveObserver(std::int64_t id);

private:
    void Changed(MenuChange change);

    std::string name_;
    std::string text_;
    std::optional<std::string> shortcut_;
    bool shortcutAssigned_{false};
    bool autoEnabled_{true};
    bool visible_{true};
    bool enabled_{true};
    std::vector<Ref<MenuItem>> children_;
    std::weak_ptr<MenuItem> parent_;
    std::vector<std::pair<std::int64_t, Observer>> observers_;
    std::int64_t nextObserverId_{1};
};

}  // namespace fw
