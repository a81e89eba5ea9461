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
    // Makes the window the active one, as a user's click would.
    static void Activate(QWidget& window);

    // The stored window rectangle without blanks, "[l,t,w,h]" ("" when there is none),
    // and the main window's rectangle in the same form.
    std::string StoredLTWH() const;
    static std::string ModelLTWH();

    const std::string& Root() const { return root_; }
    std::string PrefsFile() const { return root_ + "/config/Tessary/Tessary.pref"; }

    std::vector<int> exitStatuses;

private:
    std::string root_;
};

}  // namespace qtapptest
