#pragma once
// The keyboard's state at the moment of the query.

namespace fw {

class Keyboard {
public:
    // Option on macOS; the Alt key here.
    static bool AsyncOptionKey();
    // Command on macOS; the Ctrl key here.
    static bool AsyncCommandKey();
};

}  // namespace fw
