#include "RunFixture.h"

#include <algorithm>
#include <filesystem>

namespace apptest {

namespace fs = std::filesystem;

void RunFixture::Step(std::function<void()> action) {
    ++queuedSteps_;
    Then([this, action = std::move(action)] {
        action();
        ++finishedSteps_;
    });
}

int RunFixture::LaunchSteps() {
    const int status = Launch();
    EXPECT_EQ(finishedSteps_, queuedSteps_) << "a queued step failed or never ran";
    queuedSteps_ = 0;
    finishedSteps_ = 0;
    return status;
}

void RunFixture::SpotPrints(const std::string& output, int status) {
    const std::string outputFile = Root() + "/spot-output";
    WriteFile(outputFile, output);
    UseStandInSpot("cat '" + outputFile + "'\nexit " + std::to_string(status) + "\n");
}

std::string RunFixture::MakeFont(const std::string& name, const std::string& content) {
    const std::string path = FontFolder() + "/" + name;
    WriteFile(path, content);
    return path;
}

int RunFixture::DropAndRun(const std::vector<std::string>& paths,
                           std::function<void()> betweenDropAndRun) {
    Step([this, paths, betweenDropAndRun] {
        ASSERT_TRUE(Backend().DropPaths(WindowId(), paths));
        if (betweenDropAndRun) {
            betweenDropAndRun();
        }
        Backend().ClickButton(RunButtonId());
    });
    return LaunchSteps();
}

std::vector<std::string> RunFixture::Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> RunFixture::DialogMessages() {
    std::vector<std::string> messages;
    for (const auto& dialog : Backend().Dialogs()) {
        messages.push_back(dialog.Request.Message);
    }
    return messages;
}

std::string RunFixture::LastExplanation() {
    const auto& dialogs = Backend().Dialogs();
    return dialogs.empty() ? "" : dialogs.back().Request.Explanation;
}

std::string NameRecordLine(const std::string& language, int nameID, const std::string& text) {
    return "[ 0]={ 3, 1, " + language + ",   " + std::to_string(nameID) + ",  22,01cb} [01cb]=<" +
           text + ">";
}

std::string Explained(const std::string& count,
                      const std::vector<std::pair<std::string, std::string>>& fonts) {
    std::string text = count;
    for (const auto& [name, reason] : fonts) {
        text += "\n\u2068";
        text += name;
        text += "\u2069 — ";
        text += reason;
    }
    return text;
}

}  // namespace apptest
