#include "TextOutputStream.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "PathNames.h"
#include "RuntimeException.h"

namespace fw {

namespace {

// Follows a chain of symbolic links, so the link stays and its target is replaced;
// works for a link to an item that doesn't exist yet.
std::string FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) {
            return path;
        }
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : FolderOf(path) + "/" + target;
    }
    return path;
}

mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    return 022;
}

[[noreturn]] void RaiseIO(const std::string& what, const std::string& path, int error) {
    throw IOException(what + " " + path + ": " + std::strerror(error), error);
}

// What stands where Create would put its file.
struct Target {
    bool existed;
    struct stat info;
};

// Raises as Create does when the item at target may not be replaced.
Target CheckReplaceable(const std::string& target) {
    Target found{};
    found.existed = ::stat(target.c_str(), &found.info) == 0;
    if (!found.existed && errno != ENOENT) {
        RaiseIO("Can't create", target, errno);  // a loop of links, say
    }
    if (found.existed && S_ISDIR(found.info.st_mode)) {
        RaiseIO("Can't create", target, EISDIR);
    }
    // The rename in Commit needs only the folder's permission: without these checks it
    // would put a regular file in place of a device or a FIFO, or over a file the user
    // made read-only.
    if (found.existed && !S_ISREG(found.info.st_mode)) {
        throw IOException("Can't replace " + target + ": it is no regular file", EINVAL);
    }
    if (found.existed && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        RaiseIO("Can't replace", target, errno);
    }
    return found;
}

}  // namespace

bool TextOutputStream::MayReplace(const Ref<FolderItem>& file) {
    if (!file) {
        return false;
    }
    try {
        CheckReplaceable(FollowLinks(file->NativePath()));
        return true;
    } catch (const IOException&) {
        return false;
    }
}

Ref<TextOutputStream> TextOutputStream::Create(const Ref<FolderItem>& file) {
    const std::string target = FollowLinks(file->NativePath());  // Nil raises here
    const auto [existed, info] = CheckReplaceable(target);
    std::string temporary = FolderOf(target) + "/." + NameOf(target) + ".XXXXXX";
    FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!fd.IsOpen()) {
        RaiseIO("Can't create", target, errno);
    }
    const mode_t mode = existed ? (info.st_mode & 07777) : (0666 & ~CurrentUmask());
    if (::fchmod(fd.Get(), mode) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        RaiseIO("Can't create", target, error);
    }
    return New<TextOutputStream>(target, std::move(temporary), std::move(fd));
}

TextOutputStream::TextOutputStream(std::string target, std::string temporary, FileDescriptor fd)
    : target_(std::move(target)), temporary_(std::move(temporary)), fd_(std::move(fd)) {}

TextOutputStream::~TextOutputStream() {
    try {
        Commit();
    } catch (...) {
        // Nothing can be reported from here; the target keeps its earlier content.
    }
}

void TextOutputStream::Write(std::string_view text) {
    if (!fd_.IsOpen()) {
        throw IOException("The stream is closed.");
    }
    while (error_ == 0 && !text.empty()) {
        const ssize_t n = ::write(fd_.Get(), text.data(), text.size());
        if (n < 0) {
            if (errno != EINTR) {
                error_ = errno;
            }
            continue;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

void TextOutputStream::Close() {
    Commit();
}

void TextOutputStream::Commit() {
    if (!fd_.IsOpen()) {
        return;
    }
    if (error_ == 0 && ::fsync(fd_.Get()) != 0) {
        error_ = errno;
    }
    if (const int closeError = fd_.Reset(); error_ == 0) {
        error_ = closeError;
    }
    if (error_ == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        error_ = errno;
    }
    if (error_ != 0) {
        ::unlink(temporary_.c_str());
        RaiseIO("Can't write", target_, error_);
    }
    // Make the new name durable too; the content is already safe.
    FileDescriptor folder(::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.IsOpen()) {
        ::fsync(folder.Get());
    }
}

}  // namespace fw
