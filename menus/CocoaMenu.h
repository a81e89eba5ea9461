#pragma once
// Menu items that hand their choice to the responder chain as an action message and
// take their enabled state from the chain's own validation. Subclasses name the
// action; the find item also puts a tag on its native item, and the redo item adds
// its own enabling rule.

#include <cstdint>
#include <string>

#include "cocoa/Runtime.h"
#include "framework/MenuItem.h"

namespace CocoaMenu {

class CocoaMenuItem : public fw::MenuItem {
public:
    std::string ClassName() const override { return "CocoaMenu.CocoaMenuItem"; }

    // The shared application object.
    static cocoa::id NSApp();
    // The application's native main menu.
    static cocoa::id MainMenu();
    // The item of the application's menu bar whose children include item, or Nil.
    static fw::Ref<fw::MenuItem> GetParentOf(const fw::Ref<fw::MenuItem>& item);
    // The native menu that shows item's children, or nil.
    static cocoa::id GetNSMenu(const fw::Ref<fw::MenuItem>& item);
    // The native menu item that shows item, or nil.
    static cocoa::id GetNSMenuItem(const fw::Ref<fw::MenuItem>& item);

    // Sends the item's action through the responder chain; True when something took it.
    bool Event_Action() override;
    // Enables the item when the responder chain has a target that validates it.
    void Event_EnableMenu() override;
    // The selector named by the ActionSelectorName event.
    virtual cocoa::SEL ActionSelector();
    // What the Target event gives for the native item, or nil.
    cocoa::id Target(cocoa::id nsMenuItem);

protected:
    // Events for subclasses; unhandled they give False, "", 0, nothing and nil.
    virtual bool Action() { return false; }
    virtual std::string ActionSelectorName() { return ""; }
    virtual std::int64_t CocoaTag() { return 0; }
    virtual void EnableMenu(cocoa::id target) { static_cast<void>(target); }
    virtual cocoa::id TargetEvent(cocoa::id nsMenuItem) {
        static_cast<void>(nsMenuItem);
        return nullptr;
    }

private:
    fw::Ref<fw::MenuItem> Self();
};

class CocoaMenuItemClose : public CocoaMenuItem {
public:
    std::string ClassName() const override { return "CocoaMenu.CocoaMenuItemClose"; }

protected:
    std::string ActionSelectorName() override { return "performClose:"; }
};

class CocoaMenuItemUndo : public CocoaMenuItem {
public:
    std::string ClassName() const override { return "CocoaMenu.CocoaMenuItemUndo"; }

protected:
    std::string ActionSelectorName() override { return "undo:"; }
};

class CocoaMenuItemRedo : public CocoaMenuItem {
public:
    std::string ClassName() const override { return "CocoaMenu.CocoaMenuItemRedo"; }

protected:
    std::string ActionSelectorName() override { return "redo:"; }
    // Enabled only while the target's undo manager can redo.
    void EnableMenu(cocoa::id target) override;
};

class CocoaMenuItemSelectAll : public CocoaMenuItem {
public:
    std::string ClassName() const override { return "CocoaMenu.CocoaMenuItemSelectAll"; }

protected:
    std::string ActionSelectorName() override { return "selectAll:"; }
};

class CocoaMenuItemFindAbstract : public CocoaMenuItem {
public:
    std::string ClassName() const override { return "CocoaMenu.CocoaMenuItemFindAbstract"; }

protected:
    std::string ActionSelectorName() override { return "performFindPanelAction:"; }
};

class CocoaMenuItemFind : public CocoaMenuItemFindAbstract {
public:
    std::string ClassName() const override { return "CocoaMenu.CocoaMenuItemFind"; }

protected:
    // Tag 1 asks for the find interface.
    std::int64_t CocoaTag() override { return 1; }
};

class MenuItemMinimize : public CocoaMenuItem {
public:
    std::string ClassName() const override { return "CocoaMenu.MenuItemMinimize"; }

protected:
    std::string ActionSelectorName() override { return "performMiniaturize:"; }
};

class MenuItemZoom : public CocoaMenuItem {
public:
    std::string ClassName() const override { return "CocoaMenu.MenuItemZoom"; }

protected:
    std::string ActionSelectorName() override { return "performZoom:"; }
};

class MenuItemBringAllToFront : public CocoaMenuItem {
public:
    std::string ClassName() const override { return "CocoaMenu.MenuItemBringAllToFront"; }

protected:
    std::string ActionSelectorName() override { return "arrangeInFront:"; }
};

}  // namespace CocoaMenu
