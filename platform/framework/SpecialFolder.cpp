#include "SpecialFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <vector>

namespace fw {

namespace {

std::mutex executableMutex;
std::string executablePath;

std::string RunningExecutable() {
    std::string buffer(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size()) {
        return "/proc/self/exe";
    }
    buffer.resize(static_cast<std::size_t>(n));
    return buffer;
}

// The path when it is absolute; a relative one is ignored, so that nothing lands below
// whatever the working folder happens to be.
std::string Absolute(const char* path) {
    return path != nullptr && path[0] == '/' ? path : "";
}

// $HOME, else the account's home folder from the password database; "" when neither
// gives an absolute path.
std::string HomeFolder() {
    if (std::string home = Absolute(std::getenv("HOME")); !home.empty()) {
        return home;
    }
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    while (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE) {
        buffer.resize(buffer.size() * 2);
    }
    return found != nullptr ? Absolute(found->pw_dir) : "";
}

}  // namespace

Ref<FolderItem> ExecutableFile() {
    std::string path;
    {
        std::lock_guard lock(executableMutex);
        path = executablePath;
    }
    return FolderItem::FromPath(path.empty() ? RunningExecutable() : path);
}

void SetExecutablePath(std::string path) {
    std::lock_guard lock(executableMutex);
    executablePath = std::move(path);
}

namespace SpecialFolder {

Ref<FolderItem> Resources() {
    const Ref<FolderItem> executable = ExecutableFile();
    const Ref<FolderItem> folder = executable ? executable->Parent() : nullptr;
    return folder ? folder->Child("Resources") : nullptr;
}

Ref<FolderItem> ApplicationData() {
    std::string path = Absolute(std::getenv("XDG_CONFIG_HOME"));
    if (path.empty()) {
        const std::string home = HomeFolder();
        if (home.empty()) {
            return nullptr;
        }
        path = home + "/.config";
    }
    // A new account may not have the folder yet; programs are expected to make it.
    std::error_code ignored;
    std::filesystem::create_directories(path, ignored);
    return FolderItem::FromPath(path);
}

}  // namespace SpecialFolder

}  // namespace fw
