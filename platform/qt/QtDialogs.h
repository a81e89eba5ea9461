#pragma once
// The modal alert of MessageDialog and MsgBox, and the About box.

#include <QMessageBox>
#include <QPointer>

#include "framework/Backend.h"

class QWidget;

namespace fw::qt {

// Shows the alert and returns the button pressed. With a parent window the alert is
// window-modal (a sheet where the platform has them) and runs its own event loop;
// without one it is application-modal. A dialog closed without a button (the window
// manager, the application quitting, or its window destroyed while it is up) answers
// Cancel when it has a Cancel button and Action otherwise.
DialogResult ShowMessageDialog(const DialogRequest& request, QWidget* parent);

// The About box: the application's name and version; not modal. box keeps it: a second
// call while it is open brings that one to the front, and box becomes null once it is
// closed (it deletes itself).
void ShowAboutBox(QPointer<QMessageBox>& box, const std::string& name, const std::string& version,
                  QWidget* parent);

}  // namespace fw::qt
