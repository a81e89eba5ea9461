#pragma once
// A whole launch of the program on the headless backend, in a fresh application
// folder and configuration folder of its own: <tmp>/Tessary/Tessary with its
// Resources, and XDG_CONFIG_HOME=<tmp>/config.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "framework/Runtime.h"
#include "headless/HeadlessBackend.h"
#include "window/Window1.h"

namespace fw {
// Frames read as left, top, width, height in test messages.
inline void PrintTo(const PeerRect& r, std::ostream* os) {
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Width << ", " << r.Height << ")";
}
}  // namespace fw

namespace apptest {

class LaunchTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Resources/spot: a link to the real tool, a stand-in script, or nothing.
    void UseRealSpot();
    void UseStandInSpot(const std::string& script);
    void RemoveSpot();

    // Set before Launch: what the backend reports while the program starts.
    std::function<void(fw::headless::HeadlessBackend&)> machine;
    // Queues an action that runs inside the event loop, after the window has opened.
    void Then(std::function<void()> action);
    // Runs main's sequence with the queued actions; returns the exit status.
    int Launch();

    fw::headless::HeadlessBackend& Backend() { return fw::headless::Instance(); }
    // The main window's peer id and its list's (inside actions or after Launch).
    fw::PeerId WindowId() const;
    fw::PeerId ListId() const;
    fw::PeerId RunButtonId() const;

    // Paths of the run.
    const std::string& Root() const { return root_; }
    std::string AppFolder() const { return root_ + "/Tessary"; }
    std::string ConfigHome() const { return root_ + "/config"; }
    std::string PrefsFile() const { return ConfigHome() + "/Tessary/Tessary.pref"; }
    // A folder for fonts, made on first use.
    std::string FontFolder() const;

    std::vector<int> exitStatuses;

private:
    std::string root_;
    std::vector<std::function<void()>> actions_;
};

// Writes content to path (binary), making parent folders.
void WriteFile(const std::string& path, const std::string& content);
std::string ReadFile(const std::string& path);
// Copies a font from the system's font folders into folder; answers its new path.
std::string CopyFont(const std::string& systemPath, const std::string& folder,
                     const std::string& name = "");

}  // namespace apptest
