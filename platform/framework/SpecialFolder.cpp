#include "SpecialFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>

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
    std::string path;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (config != nullptr && *config != '\0') {
        path = config;
    } else if (home != nullptr && *home != '\0') {
        path = std::string(home) + "/.config";
    } else {
        return nullptr;
    }
    // A new account may not have the folder yet; programs are expected to make it.
    std::error_code ignored;
    std::filesystem::create_directories(path, ignored);
    return FolderItem::FromPath(path);
}

}  // namespace SpecialFolder

}  // namespace fw
