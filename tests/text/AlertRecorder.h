#pragma once
// Collects what fw::MsgBox shows while it lives.

#include <string>
#include <vector>

#include "framework/MsgBox.h"

class AlertRecorder {
public:
    AlertRecorder() {
        fw::SetMsgBoxPresenter([this](const std::string& text) { alerts.push_back(text); });
    }
    ~AlertRecorder() { fw::SetMsgBoxPresenter({}); }
    AlertRecorder(const AlertRecorder&) = delete;
    AlertRecorder& operator=(const AlertRecorder&) = delete;

    std::vector<std::string> alerts;
};
