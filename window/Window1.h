#pragma once
// The droplet window: the list of dropped fonts, the run button and the status label.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/ApplicationMenuItem.h"
#include "framework/DragItem.h"
#include "framework/FolderItem.h"
#include "framework/Graphics.h"
#include "framework/Label.h"
#include "framework/MenuItem.h"
#include "framework/PushButton.h"
#include "framework/QuitMenuItem.h"
#include "framework/Rect.h"
#include "framework/Window.h"
#include "menus/CocoaMenu.h"
#include "window/RunReport.h"
#include "window/myListBox.h"

class Window1 : public fw::Window {
public:
    std::string ClassName() const override { return "Window1.Window1"; }

    fw::Ref<myListBox> ListBox1() const;
    fw::Ref<fw::PushButton> PushButtonRun() const;
    fw::Ref<fw::Label> Label1() const;

    virtual void ListBox1_DoubleClick(fw::Ref<myListBox> sender);
    // Files every listed font, then reports "Completed." (with the fonts that stayed
    // where they were, if any) and quits.
    virtual void PushButtonRun_Action(fw::Ref<fw::PushButton> sender);

    // The menu bar's items, by name.
    virtual fw::Ref<fw::MenuItem> HelpMenu();
    virtual fw::Ref<fw::MenuItem> WindowMenu();
    virtual fw::Ref<CocoaMenu::MenuItemBringAllToFront> WindowBringAlltoFront();
    virtual fw::Ref<fw::MenuItem> WindowSeparator1();
    virtual fw::Ref<CocoaMenu::MenuItemZoom> WindowZoom();
    virtual fw::Ref<CocoaMenu::MenuItemMinimize> WindowMinimize();
    virtual fw::Ref<fw::MenuItem> EditMenu();
    virtual fw::Ref<CocoaMenu::CocoaMenuItemFind> EditFind();
    virtual fw::Ref<fw::MenuItem> UntitledSeparator();
    virtual fw::Ref<CocoaMenu::CocoaMenuItemSelectAll> EditSelectAll();
    virtual fw::Ref<fw::MenuItem> EditClear();
    virtual fw::Ref<fw::MenuItem> EditPaste();
    virtual fw::Ref<fw::MenuItem> EditCopy();
    virtual fw::Ref<fw::MenuItem> EditCut();
    virtual fw::Ref<fw::MenuItem> EditSeparator1();
    virtual fw::Ref<CocoaMenu::CocoaMenuItemRedo> EditRedo();
    virtual fw::Ref<CocoaMenu::CocoaMenuItemUndo> EditUndo();
    virtual fw::Ref<fw::MenuItem> FileMenu();
    virtual fw::Ref<fw::QuitMenuItem> FileQuit();
    virtual fw::Ref<fw::ApplicationMenuItem> FileSeparator1();
    virtual fw::Ref<fw::ApplicationMenuItem> AppAbout();
    virtual fw::Ref<CocoaMenu::CocoaMenuItemClose> FileClose();

    void Event_Open() override;
    void Event_Close() override;
    void Event_DropObject(fw::Ref<fw::DragItem> obj, int action) override;
    void Event_Paint(fw::Ref<fw::Graphics> g, const std::vector<fw::Rect>& areas) override;

    // Shows f selected in the file manager.
    void ShowInFinder(const fw::Ref<fw::FolderItem>& f);
    // Makes the application the active one.
    void BringFrontmostMe();
    // Files one font into the folder named after its family, beside it; answers why
    // when the font stays where it was.
    std::optional<NotFiled> Run(const fw::Ref<fw::FolderItem>& f);

protected:
    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0_();

private:
    template <class T>
    fw::Ref<T> MenuItemNamed(const char* name) const;
};

// The main window, made when there is none.
// (A function may share its class's name in C++; the class is then `class Window1`.)
fw::Ref<class Window1> Window1();
