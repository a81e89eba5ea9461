#include "FolderItem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "CrossDeviceMove.h"
#include "PathNames.h"
#include "RenameNoReplace.h"

namespace fw {

namespace {

bool IsPlainShellByte(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::string_view("_@%+=:,./-").find(c) != std::string_view::npos;
}

}  // namespace

FolderItem::FolderItem(std::string path) : path_(std::move(path)) {
    while (path_.size() > 1 && path_.back() == '/') {
        path_.pop_back();
    }
}

Ref<FolderItem> FolderItem::FromPath(std::string path) {
    if (path.empty()) {
        return nullptr;
    }
    return New<FolderItem>(std::move(path));
}

std::string FolderItem::Name() const {
    return path_ == "/" ? std::string() : NameOf(path_);
}

Ref<FolderItem> FolderItem::Parent() const {
    const auto slash = path_.rfind('/');
    if (path_ == "/" || slash == std::string::npos) {
        return nullptr;
    }
    return New<FolderItem>(slash == 0 ? "/" : path_.substr(0, slash));
}

bool FolderItem::Exists() const {
    struct stat info {};
    return ::lstat(path_.c_str(), &info) == 0;
}

bool FolderItem::IsFolder() const {
    struct stat info {};
    return ::stat(path_.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool FolderItem::IsFile() const {
    struct stat info {};
    return ::stat(path_.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool FolderItem::IsExecutableFile() const {
    return IsFile() && ::faccessat(AT_FDCWD, path_.c_str(), X_OK, AT_EACCESS) == 0;
}

std::string FolderItem::LinkTarget() const {
    std::string target(PATH_MAX, '\0');
    const ssize_t n = ::readlink(path_.c_str(), target.data(), target.size());
    target.resize(n < 0 ? 0 : static_cast<std::size_t>(n));
    return target;
}

Ref<FolderItem> FolderItem::Child(std::string_view name, bool followAlias) const {
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos) {
        return nullptr;
    }
    std::string path = path_ == "/" ? "/" : path_ + "/";
    path += name;
    if (followAlias) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
            char resolved[PATH_MAX];
            if (::realpath(path.c_str(), resolved) != nullptr) {
                return New<FolderItem>(resolved);
            }
        }
    }
    return New<FolderItem>(std::move(path));
}

void FolderItem::CreateAsFolder() const {
    ::mkdir(path_.c_str(), 0777);
}

void FolderItem::Delete() const {
    struct stat info {};
    if (::lstat(path_.c_str(), &info) != 0) {
        return;
    }
    if (S_ISDIR(info.st_mode)) {
        ::rmdir(path_.c_str());
    } else {
        ::unlink(path_.c_str());
    }
}

bool FolderItem::MoveFileTo(const Ref<FolderItem>& destination) const {
    moveFoundSourceChanged_ = false;
    if (!destination) {
        return false;
    }
    const std::string& to = destination->path_;
    if (const int error = RenameNoReplace(path_, to); error != EXDEV) {
        return error == 0;
    }
    const MoveResult result = MoveAcrossFileSystems(path_, to);
    moveFoundSourceChanged_ = result == MoveResult::SourceChanged;
    return result == MoveResult::Moved;
}

std::string FolderItem::ShellPath() const {
    // Bare only when it can't be read as an assignment or a reserved word.
    bool plain = !path_.empty() && path_.find('/') != std::string::npos &&
                 path_.find('=') == std::string::npos;
    for (char c : path_) {
        plain = plain && IsPlainShellByte(c);
    }
    if (plain) {
        return path_;
    }
    std::string out = "'";
    for (char c : path_) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    out += '\'';
    return out;
}

}  // namespace fw
