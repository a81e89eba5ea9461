#include "MainThread.h"

#include <atomic>

#include "RuntimeException.h"

namespace fw {

namespace {

std::atomic<std::thread::id>& MainThreadId() {
    static std::atomic<std::thread::id> id{};
    return id;
}

}  // namespace

bool IsMainThread() {
    std::thread::id expected{};
    // Until the runtime names its thread, the first thread to ask is the main one.
    MainThreadId().compare_exchange_strong(expected, std::this_thread::get_id());
    return MainThreadId().load() == std::this_thread::get_id();
}

void RequireMainThread() {
    if (!IsMainThread()) {
        throw ThreadAccessingUIException(
            "User interface operations are only allowed on the main thread.");
    }
}

void SetMainThread_(std::thread::id thread) {
    MainThreadId().store(thread);
}

}  // namespace fw
