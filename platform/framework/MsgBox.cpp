#include "MsgBox.h"

#include <iostream>
#include <mutex>

#include "MainThread.h"

namespace fw {

namespace {

std::mutex presenterMutex;
std::function<void(const std::string&)> presenter;

}  // namespace

void MsgBox(const std::string& text) {
    RequireMainThread();
    std::function<void(const std::string&)> show;
    {
        std::lock_guard lock(presenterMutex);
        show = presenter;
    }
    if (show) {
        show(text);
    } else {
        std::cerr << text << std::endl;
    }
}

void SetMsgBoxPresenter(std::function<void(const std::string&)> newPresenter) {
    std::lock_guard lock(presenterMutex);
    presenter = std::move(newPresenter);
}

}  // namespace fw
