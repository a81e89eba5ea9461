#pragma once
// Launches that drop files, press Run and let the completion alert quit, with spot
// replaced by a stand-in that prints a chosen output.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "LaunchTest.h"

namespace apptest {

class RunFixture : public LaunchTest {
protected:
    // Queues action like Then; LaunchSteps fails the test when one did not run to its end.
    void Step(std::function<void()> action);
    int LaunchSteps();

    // Resources/spot prints output exactly (any bytes) and exits with status.
    void SpotPrints(const std::string& output, int status = 0);

    // A file in the font folder holding content; answers its path.
    std::string MakeFont(const std::string& name, const std::string& content = "font");

    // Drops paths, runs betweenDropAndRun, presses Run; answers the exit status.
    int DropAndRun(const std::vector<std::string>& paths,
                   std::function<void()> betweenDropAndRun = {});

    // The names in folder, sorted.
    static std::vector<std::string> Entries(const std::string& folder);

    // The messages of the dialogs shown, in order.
    std::vector<std::string> DialogMessages();
    // The explanation of the last dialog shown ("" when none was).
    std::string LastExplanation();

private:
    int queuedSteps_{0};
    int finishedSteps_{0};
};

// The completion alert's explanation: the count line, then a line for each plain file
// name (shown between FSI and PDI) and its reason.
std::string Explained(const std::string& count,
                      const std::vector<std::pair<std::string, std::string>>& fonts);

// A name record line as spot prints it (Windows platform).
std::string NameRecordLine(const std::string& language, int nameID, const std::string& text);

}  // namespace apptest
