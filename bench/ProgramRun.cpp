#include "ProgramRun.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/Startup.h"
#include "framework/Runtime.h"
#include "framework/SpecialFolder.h"
#include "headless/HeadlessBackend.h"
#include "window/Window1.h"

namespace bench {

namespace fs = std::filesystem;

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A figure of this process's /proc status, in kB ("VmRSS", "VmHWM").
long StatusKB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::stol(line.substr(field.size() + 1));
        }
    }
    return 0;
}

// Makes VmHWM start again from the resident memory of now.
void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

}  // namespace

ProgramTimes RunProgram(const std::string& root, const std::string& spot,
                        const std::vector<std::string>& dropFiles,
                        const std::vector<std::string>& fonts) {
    const std::string app = root + "/Tessary";
    fs::create_directories(app + "/Resources");
    std::ofstream(app + "/Tessary").put('\0');
    fs::create_symlink(spot, app + "/Resources/spot");
    fs::create_directories(root + "/config");
    ::setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
    fw::SetExecutablePath(app + "/Tessary");

    ProgramTimes times;
    fw::RuntimeInit();
    fw::RuntimePerformInitializers();
    auto& backend = fw::headless::Instance();
    backend.Post([&] {
        const fw::PeerId window = Window1()->Id();
        auto start = std::chrono::steady_clock::now();
        backend.DropPaths(window, dropFiles);
        times.dropSeconds = SecondsSince(start);
        times.label = Window1()->Label1()->Text();

        backend.DropPaths(window, fonts);
        times.idleKB = StatusKB("VmRSS");
        ResetPeak();
        start = std::chrono::steady_clock::now();
        backend.SetDialogObserver([&](const fw::headless::DialogRecord& dialog) {
            times.runSeconds = SecondsSince(start);
            times.peakKB = StatusKB("VmHWM");
            times.explanation = dialog.Request.Explanation;
        });
        backend.ClickButton(Window1()->PushButtonRun()->Id());
        times.quitSeconds = SecondsSince(start);
        times.completed =
            !backend.Dialogs().empty() && backend.Dialogs().back().Request.Message == "Completed.";
    });
    Main_();
    fw::RuntimePerformFinalizers();
    fw::RuntimeExit();
    return times;
}

}  // namespace bench
