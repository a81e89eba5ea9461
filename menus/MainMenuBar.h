#pragma once
// The program's one menu bar: File, Edit, Window and Help.

#include <string>

#include "framework/MenuBar.h"
#include "framework/Object.h"

class MainMenuBar : public fw::MenuBar {
public:
    std::string ClassName() const override { return "MainMenuBar.MainMenuBar"; }

    // Builds the four menus.
    virtual void Constructor();
    virtual void Untitled0();  // File
    virtual void Untitled1();  // Edit
    virtual void Untitled2();  // Window
    virtual void Untitled3();  // Help

    // The one instance; Nil until the accessor has built it.
    static fw::Ref<MainMenuBar> _implicitInstance;
};

// The one menu bar, built on the first call. A construction that fails leaves no
// instance behind, so the next call starts over.
// (A function may share its class's name in C++; the class is then `class MainMenuBar`.)
fw::Ref<class MainMenuBar> MainMenuBar();
