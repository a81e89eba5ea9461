#pragma once
// Placing windows on the screen.

#include <cstdint>

#include "framework/Object.h"
#include "framework/Screen.h"
#include "framework/Window.h"

namespace WindowEx {

// The screen that shows w; screen 0 when none matches.
fw::Ref<fw::Screen> GetWindowScreen(const fw::Ref<fw::Window>& w);
// Raises a resizable w to its minimum size, then moves it (shrinking it where it must)
// so that its frame lies inside the available area of its screen.
void AdjustWindow(const fw::Ref<fw::Window>& w);
// Sets w's frame; the framework raises it to the window's minimum size.
void SetWindowBounds(const fw::Ref<fw::Window>& w, std::int64_t left, std::int64_t top,
                     std::int64_t width, std::int64_t height);
// Switches off automatic window tabbing for the whole application, where it exists.
void DisableAutoTabbing();

}  // namespace WindowEx
