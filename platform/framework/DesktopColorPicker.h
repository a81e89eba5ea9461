#pragma once
// The shared colour picker. Nothing in this framework opens one, so there is never one
// to close.

namespace fw {

class DesktopColorPicker {
public:
    // Closes the colour picker and the shared colour panel when open.
    static void Close() {}
};

}  // namespace fw
