#pragma once
// The application object, and the accessors that reach it and its About menu item.

#include <string>

#include "framework/Application.h"
#include "framework/ApplicationMenuItem.h"
#include "framework/Object.h"

class App : public fw::Application {
public:
    std::string ClassName() const override { return "App"; }

    void Event_Open() override;
    void Event_Close() override;
    // The About item's handler; True: the command was handled.
    virtual bool AppAbout_Action_();
    // The text with its backslash escapes decoded and its backslashes removed.
    virtual std::string DecodeUnicode(const std::string& text);
    virtual void Constructor() {}

    // Sets the About item's caption from the executable's name.
    void localizeAboutMenu();
};

// The registered application object, or Nil before start-up has registered it.
// (A function may share its class's name in C++; the class is then `class App`.)
fw::Ref<class App> App();

// The item named "AppAbout" of the application's menu bar, or Nil.
fw::Ref<fw::ApplicationMenuItem> AppAbout();
