#pragma once
// Native windows for framework windows: Window.Handle() names the window, and this
// finds its window object.

#include <cstdint>

#include "cocoa/Runtime.h"

namespace cocoa {

// The window object of the open framework window with that handle; nil for a handle
// that names no open window. The object lives as long as the framework window.
id NSWindowForHandle(std::uintptr_t handle);

}  // namespace cocoa
