#pragma once
// The alert that ends a batch, and bringing the application to the front.

#include <string>

#include "framework/Object.h"
#include "framework/Window.h"

namespace General {

// Brings the application to the front, shows the alert with one "Quit" button (within
// parent, or application-modal when parent is Nil), then quits with code 0.
void ShowAlertQuit(const std::string& message, const std::string& explanation,
                   const fw::Ref<fw::Window>& parent);

// Makes the application the active one, in front of all others.
void BringFrontmostMe();

std::string kQuit(const std::string& language);

}  // namespace General
