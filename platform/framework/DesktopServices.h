#pragma once
// Desktop services that the Cocoa layer offers the program: icons, the file manager,
// activation, the About box, window tabbing, and the window and control that have the
// keyboard. Each goes to the backend; before it is initialised they do nothing and
// answer empty values.

#include <cstdint>
#include <string>

#include "Backend.h"
#include "Object.h"

namespace fw {

class RectControl;
class Window;

// The file's icon at pixelSize x pixelSize; empty for a missing file.
RgbaImage FileIcon(const std::string& path, int pixelSize);
// Shows the file selected in the file manager; False when that failed.
bool RevealInFileManager(const std::string& path);
void ActivateApplication();
// The standard About box: the executable's name and the application's ShortVersion.
void ShowAboutBox();
// Automatic window tabbing, for the whole application (recorded by the backend).
void SetAutomaticWindowTabbing(bool allowed);
// The index of the screen that shows the window, or -1.
int WindowScreenIndex(const Ref<Window>& window);
// The window that has the keyboard, or Nil.
Ref<Window> KeyWindow();
// The control with the keyboard focus in the key window, or Nil.
Ref<RectControl> FocusedControl();
// Minimises, zooms or brings a window to the front.
void MinimizeWindow(const Ref<Window>& window);
void ZoomWindow(const Ref<Window>& window);
void BringAllWindowsToFront();

}  // namespace fw
