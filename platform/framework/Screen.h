#pragma once
// A display, numbered from 0 in the platform's order (0 is the main display).
// Values are taken when the object is made.

#include <cstdint>
#include <string>

#include "Object.h"

namespace fw {

class Screen : public Object {
public:
    std::string ClassName() const override { return "Screen"; }

    std::int64_t Index{0};
    std::int64_t Left{0};
    std::int64_t Top{0};
    std::int64_t Width{0};
    std::int64_t Height{0};
    // The part of the display that windows may use.
    std::int64_t AvailableLeft{0};
    std::int64_t AvailableTop{0};
    std::int64_t AvailableWidth{0};
    std::int64_t AvailableHeight{0};
};

// The display with that index, or Nil outside 0..ScreenCount()-1. (The class and this
// accessor can't share a name in C++.)
Ref<Screen> ScreenAt(std::int64_t index);
std::int64_t ScreenCount();

}  // namespace fw
