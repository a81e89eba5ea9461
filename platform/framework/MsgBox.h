#pragma once
// The framework's simple message box.

#include <functional>
#include <string>

namespace fw {

// Shows text modally and returns when it is dismissed. ThreadAccessingUIException off
// the main thread.
void MsgBox(const std::string& text);
// Replaces what shows the message box (the windowing layer installs its dialog; tests
// observe). An empty function restores the default, which prints to standard error.
void SetMsgBoxPresenter(std::function<void(const std::string&)> presenter);

}  // namespace fw
