#include "CrossDeviceMove.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "FileDescriptor.h"
#include "PathNames.h"
#include "RenameNoReplace.h"

namespace fw {

namespace {

std::function<bool(MoveStep)>& FaultHook() {
    static std::function<bool(MoveStep)> hook;
    return hook;
}

bool StepFails(MoveStep step) {
    const auto& hook = FaultHook();
    return hook && !hook(step);
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool CopyData(int in, int out) {
    constexpr std::size_t kChunk = 1 << 16;
    const auto buffer = std::make_unique<char[]>(kChunk);
    while (true) {
        const ssize_t n = ::read(in, buffer.get(), kChunk);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n == 0;
        }
        if (StepFails(MoveStep::CopyChunk) ||
            !WriteAll(out, buffer.get(), static_cast<std::size_t>(n))) {
            return false;
        }
    }
}

bool SyncFolder(const std::string& folder) {
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.IsOpen()) {
        // A folder one may write to but not read can't be synced; mv doesn't sync at all.
        return errno == EACCES || errno == EPERM;
    }
    return ::fsync(fd.Get()) == 0;
}

// Opens the regular file checked as checked; anything else put at from since, a FIFO
// say, is refused without blocking. info receives what was opened.
FileDescriptor OpenChecked(const std::string& from, const struct stat& checked, struct stat& info) {
    if (StepFails(MoveStep::OpenSource)) {
        return FileDescriptor();
    }
    FileDescriptor in(::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    if (!in.IsOpen() || ::fstat(in.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_dev != checked.st_dev || info.st_ino != checked.st_ino) {
        return FileDescriptor();
    }
    return in;
}

// info receives what was copied, as it was when opened.
bool CopyFile(const std::string& from, const struct stat& checked, const std::string& to,
              struct stat& info) {
    FileDescriptor in = OpenChecked(from, checked, info);
    if (!in.IsOpen()) {
        return false;
    }
    std::string temp = FolderOf(to) + "/.moving-XXXXXX";
    FileDescriptor out(::mkostemp(temp.data(), O_CLOEXEC));
    if (!out.IsOpen()) {
        return false;
    }
    const timespec times[2] = {info.st_atim, info.st_mtim};
    bool ok = CopyData(in.Get(), out.Get()) && ::fchmod(out.Get(), info.st_mode & 07777) == 0 &&
              ::futimens(out.Get(), times) == 0 && ::fsync(out.Get()) == 0;
    ok = out.Reset() == 0 && ok;
    if (!ok || RenameNoReplace(temp, to) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

bool CopyLink(const std::string& from, const struct stat& info, const std::string& to) {
    std::string target(static_cast<std::size_t>(info.st_size) + 1, '\0');
    const ssize_t n = ::readlink(from.c_str(), target.data(), target.size());
    if (n < 0 || static_cast<std::size_t>(n) >= target.size()) {
        return false;
    }
    target.resize(static_cast<std::size_t>(n));
    // symlink() makes the whole link at once and never replaces an existing item.
    if (::symlink(target.c_str(), to.c_str()) != 0) {
        return false;
    }
    const timespec times[2] = {info.st_atim, info.st_mtim};
    ::utimensat(AT_FDCWD, to.c_str(), times, AT_SYMLINK_NOFOLLOW);  // kept as mv does, if it can
    return true;
}

// Saving anew under the same name makes another inode; writing in place changes the size
// or the modification time.
bool IsSameVersion(const struct stat& now, const struct stat& copied) {
    return now.st_dev == copied.st_dev && now.st_ino == copied.st_ino &&
           now.st_size == copied.st_size && now.st_mtim.tv_sec == copied.st_mtim.tv_sec &&
           now.st_mtim.tv_nsec == copied.st_mtim.tv_nsec;
}

}  // namespace

MoveResult MoveAcrossFileSystems(const std::string& from, const std::string& to) {
    struct stat info {};
    if (::lstat(from.c_str(), &info) != 0) {
        return MoveResult::Failed;
    }
    struct stat copied = info;
    const bool ok = S_ISLNK(info.st_mode)   ? CopyLink(from, info, to)
                    : S_ISREG(info.st_mode) ? CopyFile(from, info, to, copied)
                                            : false;
    if (!ok) {
        return MoveResult::Failed;
    }
    // The copy is ours to take back: nothing was replaced to put it there.
    const auto takeBack = [&to](MoveResult result) {
        ::unlink(to.c_str());
        return result;
    };
    // The source goes only once the copy is lasting; a source that stays takes the copy back.
    if (!SyncFolder(FolderOf(to)) || StepFails(MoveStep::RemoveSource)) {
        return takeBack(MoveResult::Failed);
    }
    // Checked right before the unlink: a version saved at from meanwhile must stay.
    struct stat now {};
    if (::lstat(from.c_str(), &now) != 0) {
        return takeBack(MoveResult::Failed);
    }
    if (!IsSameVersion(now, copied)) {
        return takeBack(MoveResult::SourceChanged);
    }
    if (::unlink(from.c_str()) != 0) {
        return takeBack(MoveResult::Failed);
    }
    return MoveResult::Moved;
}

void SetMoveFaultHook_(std::function<bool(MoveStep)> hook) {
    FaultHook() = std::move(hook);
}

}  // namespace fw
