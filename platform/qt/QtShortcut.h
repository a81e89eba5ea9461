#pragma once
// Menu shortcut texts ("Cmd+W", "Cmd+Shift+Z") as Qt key sequences. Off macOS the
// command key is Ctrl, and so is the control key; Option is Alt.

#include <QKeySequence>
#include <optional>
#include <string>

namespace fw::qt {

// An empty sequence for none or for a text that names no shortcut.
QKeySequence ToKeySequence(const std::optional<std::string>& shortcut);

}  // namespace fw::qt
