#pragma once
// A fresh runtime on the headless backend for each test, with the exit hook caught.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Runtime.h"
#include "framework/Window.h"
#include "headless/HeadlessBackend.h"

namespace uitest {

class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Initialises the backend with no late start-up.
    void StartFramework();
    fw::headless::HeadlessBackend& Backend() { return fw::headless::Instance(); }

    std::vector<int> exitStatuses;
};

// A window that records its events into a shared log.
class LoggingWindow : public fw::Window {
public:
    LoggingWindow(std::vector<std::string>* log, std::string name)
        : log_(log), name_(std::move(name)) {}
    std::string ClassName() const override { return "LoggingWindow." + name_; }

    void Event_Open() override { log_->push_back(name_ + ".Open"); }
    void Event_Close() override { log_->push_back(name_ + ".Close"); }

protected:
    void Layout() override {
        log_->push_back(name_ + ".Layout");
        Width(460);
        Height(300);
        MinimumWidth(460);
        MinimumHeight(300);
    }
    void CreateControls() override { log_->push_back(name_ + ".CreateControls"); }

private:
    std::vector<std::string>* log_;
    std::string name_;
};

fw::Ref<LoggingWindow> MakeWindow(std::vector<std::string>* log, const std::string& name);

}  // namespace uitest
