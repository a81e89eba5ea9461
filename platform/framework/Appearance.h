#pragma once
// The system's appearance.

namespace fw {

// True while the system shows the dark appearance.
bool IsDarkMode();

}  // namespace fw
