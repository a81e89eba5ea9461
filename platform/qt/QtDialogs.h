#pragma once
// The modal alert of MessageDialog and MsgBox, and the About box.

#include "framework/Backend.h"

class QWidget;

namespace fw::qt {

// Shows the alert and returns the button pressed. With a parent window the alert is
// window-modal (a sheet where the platform has them) and runs its own event loop;
// without one it is application-modal. A dialog closed without a button (the window
// manager, the application quitting, or its window destroyed while it is up) answers
// Cancel when it has a Cancel button and Action otherwise.
DialogResult ShowMessageDialog(const DialogRequest& request, QWidget* parent);

// The About box: the application's name and version; not modal. A second call while
// one is open brings that one to the front.
void ShowAboutBox(const std::string& name, const std::string& version, QWidget* parent);
// Closes the About box if it is open.
void CloseAboutBox();
// Whether the About box is open and the active window.
bool AboutBoxIsActive();

}  // namespace fw::qt
