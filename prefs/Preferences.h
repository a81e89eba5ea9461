#pragma once
// The application's preferences: read once when the application opens, written once
// when it closes. They keep the main window's rectangle between launches.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/Object.h"
#include "prefs/PrefsClass.h"

namespace Preferences {

// Nil until Initialize; then kept until the program ends.
extern fw::Ref<PrefsClass> Prefs;
// The main window's left, top, width and height; empty at start.
extern std::vector<std::int64_t> pWindowLTWH;

// A new preferences object for appName becomes Prefs.
void Initialize(const std::string& appName);
// The start-up read. Option and Command held down discard the stored preferences.
// Never fails because of the file: a missing, unreadable or unusable file, or an account
// without an application-data folder, leaves the window at its design-time place.
void Raed();
// The default rectangle: left 10, top 50, width 600, height 400.
void SetDefault();
// The exit write: the rectangle under "WindowLTWH", then the file, unless the start-up
// read could not read it.
void Save();

}  // namespace Preferences
