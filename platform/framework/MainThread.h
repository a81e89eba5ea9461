#pragma once
// The thread that runs the user interface: the one that started the runtime, or, before
// that, the first that asked.

#include <thread>

namespace fw {

// True on the main thread.
bool IsMainThread();
// ThreadAccessingUIException unless called on the main thread.
void RequireMainThread();

// Framework internals: the runtime names its thread when it starts.
void SetMainThread_(std::thread::id thread);

}  // namespace fw
