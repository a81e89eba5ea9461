#include "LaunchTest.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/Startup.h"
#include "framework/SpecialFolder.h"

namespace apptest {

namespace fs = std::filesystem;

void LaunchTest::SetUp() {
    std::string pattern = (fs::temp_directory_path() / "tessary.XXXXXX").string();
    root_ = ::mkdtemp(pattern.data());
    fs::create_directories(AppFolder() + "/Resources");
    WriteFile(AppFolder() + "/Tessary", "");
    fw::SetExecutablePath(AppFolder() + "/Tessary");
    fs::create_directories(ConfigHome());
    ::setenv("XDG_CONFIG_HOME", ConfigHome().c_str(), 1);
    ::unsetenv("LANGUAGE");
    ::setenv("LANG", "C", 1);
    fw::SetExitHook_([this](int status) { exitStatuses.push_back(status); });
}

void LaunchTest::TearDown() {
    fw::SetExitHook_(nullptr);
    std::error_code ignored;
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root_, ignored);
}

void LaunchTest::UseRealSpot() {
    RemoveSpot();
    fs::create_symlink("/usr/libexec/afdko/spot", AppFolder() + "/Resources/spot");
}

void LaunchTest::UseStandInSpot(const std::string& script) {
    RemoveSpot();
    const std::string path = AppFolder() + "/Resources/spot";
    WriteFile(path, "#!/bin/sh\n" + script);
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
}

void LaunchTest::RemoveSpot() {
    std::error_code ignored;
    fs::remove(AppFolder() + "/Resources/spot", ignored);
}

void LaunchTest::Then(std::function<void()> action) {
    actions_.push_back(std::move(action));
}

int LaunchTest::Launch() {
    fw::RuntimeInit();
    fw::RuntimePerformInitializers();
    if (machine) {
        machine(Backend());
    }
    for (auto& action : actions_) {
        Backend().Post(action);
    }
    actions_.clear();
    Main_();
    fw::RuntimePerformFinalizers();
    return fw::RuntimeExit();
}

fw::PeerId LaunchTest::WindowId() const {
    return Window1()->Id();
}
fw::PeerId LaunchTest::ListId() const {
    return Window1()->ListBox1()->Id();
}
fw::PeerId LaunchTest::RunButtonId() const {
    return Window1()->PushButtonRun()->Id();
}

std::string LaunchTest::FontFolder() const {
    const std::string folder = root_ + "/fonts";
    fs::create_directories(folder);
    return folder;
}

void WriteFile(const std::string& path, const std::string& content) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string CopyFont(const std::string& systemPath, const std::string& folder,
                     const std::string& name) {
    const std::string target =
        folder + "/" + (name.empty() ? fs::path(systemPath).filename().string() : name);
    fs::copy_file(systemPath, target, fs::copy_options::overwrite_existing);
    return target;
}

}  // namespace apptest
