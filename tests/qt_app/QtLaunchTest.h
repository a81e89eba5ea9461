#pragma once
// The real program on the Qt backend (offscreen platform), in a fresh application
// folder and configuration folder of its own.

#include <gtest/gtest.h>

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace qtapptest {

class QtLaunchTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Resources/spot: a script that fails (the default) or a link to the real tool.
    void UseRealSpot();

    // Runs main's sequence; script runs once the main window is shown, and must lead to
    // the program's end. Returns the exit status.
    int Launch(std::function<void(QWidget&)> script);
    // Lets Qt deliver what the window system reported.
    static void Settle();

    const std::string& Root() const { return root_; }
    std::string PrefsFile() const { return root_ + "/config/Tessary/Tessary.pref"; }

    std::vector<int> exitStatuses;

private:
    std::string root_;
};

}  // namespace qtapptest
