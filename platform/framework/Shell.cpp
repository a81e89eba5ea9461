#include "Shell.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <optional>
#include <vector>

#include "FileDescriptor.h"
#include "ShellCommandLine.h"

extern char** environ;

namespace fw {

namespace {

// posix_spawn's attributes and file actions, released on every path.
class SpawnSetup {
public:
    SpawnSetup(int outputFd, bool ownSession) {
        posix_spawn_file_actions_init(&actions_);
        posix_spawnattr_init(&attributes_);
        posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&actions_, outputFd, 1);
        // Descriptors someone opened without O_CLOEXEC must not reach the child either.
        posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
        // The child starts with default signal handling and nothing blocked, as from a
        // fresh shell, whatever this process ignores (SIGPIPE, say).
        sigset_t all;
        sigset_t none;
        sigfillset(&all);
        sigemptyset(&none);
        posix_spawnattr_setsigdefault(&attributes_, &all);
        posix_spawnattr_setsigmask(&attributes_, &none);
        short flags = POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK;
        // A session of its own leaves the command without a controlling terminal, so job
        // control (stty tostop) can't stop it; its leader heads a process group of its own
        // as well. Not with SETPGROUP too: setpgid fails for a session leader.
        if (ownSession) {
            flags |= POSIX_SPAWN_SETSID;
        }
        posix_spawnattr_setflags(&attributes_, flags);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    // The child's id, or the errno of a failed spawn (exec failures included).
    std::optional<pid_t> Spawn(const std::vector<std::string>& arguments, int& error) {
        std::vector<char*> argv;
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        pid_t pid = 0;
        error = posix_spawn(&pid, argv[0], &actions_, &attributes_, argv.data(), environ);
        if (error != 0) {
            return std::nullopt;
        }
        return pid;
    }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

}  // namespace

// A command that can't be started fails like one the shell can't run: status 127 and a
// message on standard error.
void Shell::Fail(int error) {
    errorCode_ = 127;
    const std::string message =
        std::string("sh: can't run a command: ") + std::strerror(error) + "\n";
    [[maybe_unused]] const ssize_t written = ::write(2, message.data(), message.size());
}

namespace {

int WaitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return 127;
        }
    }
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    if (WIFSIGNALED(status)) {
        return 128 + WTERMSIG(status);
    }
    return 127;
}

// Waits until fd is ready to read or the deadline has passed; true when it is ready.
bool ReadyBefore(int fd, std::chrono::steady_clock::time_point deadline) {
    using namespace std::chrono;
    pollfd entry{fd, POLLIN, 0};
    while (true) {
        const auto left = ceil<milliseconds>(deadline - steady_clock::now()).count();
        const int n = ::poll(&entry, 1, static_cast<int>(std::clamp<long long>(left, 0, INT_MAX)));
        if (n > 0 || (n < 0 && errno != EINTR)) {
            return true;  // a poll error is left to the read or wait that follows
        }
        if (n == 0 && left <= 0) {
            return false;
        }
    }
}

// Whether the child ends before the deadline; true as well when that can't be watched.
bool EndsBefore(pid_t pid, std::chrono::steady_clock::time_point deadline) {
    // By number: this glibc's <sys/pidfd.h> declares pidfd_open without C linkage.
    FileDescriptor process(static_cast<int>(::syscall(SYS_pidfd_open, pid, 0)));
    return !process.IsOpen() || ReadyBefore(process.Get(), deadline);
}

// now + limit; none when that lies beyond what the clock can hold, and now for a
// negative limit, so that the sum can't overflow.
std::optional<std::chrono::steady_clock::time_point> DeadlineAfter(
    std::chrono::milliseconds limit) {
    using namespace std::chrono;
    const auto now = steady_clock::now();
    if (limit < milliseconds::zero()) {
        return now;
    }
    // Rounded down, the room converts without overflow and limit fits it in the clock's unit.
    if (limit > floor<milliseconds>(steady_clock::time_point::max() - now)) {
        return std::nullopt;
    }
    return now + limit;
}

}  // namespace

Shell::CutOff Shell::ReadOutput(int fd, Deadline deadline) {
    char buffer[65536];
    while (true) {
        if (deadline && !ReadyBefore(fd, *deadline)) {
            return CutOff::TimeLimit;
        }
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return CutOff::None;
        }
        const auto size = static_cast<std::size_t>(n);
        if (OutputLimit && output_.size() + size > *OutputLimit) {
            output_.append(buffer, *OutputLimit - output_.size());
            return CutOff::OutputLimit;
        }
        output_.append(buffer, size);
    }
}

void Shell::Execute(std::string commandLine) {
    output_.clear();
    errorCode_ = 0;
    cutOff_ = CutOff::None;
    Deadline deadline;
    if (TimeLimit) {
        deadline = DeadlineAfter(*TimeLimit);
    }
    const bool limited = OutputLimit || TimeLimit;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        Fail(errno);
        return;
    }
    FileDescriptor readEnd(fds[0]);
    FileDescriptor writeEnd(fds[1]);

    SpawnSetup setup(writeEnd.Get(), limited);
    int error = 0;
    std::optional<pid_t> pid;
    if (auto words = SplitPlainCommandLine(commandLine)) {
        pid = setup.Spawn(*words, error);
    }
    // Whatever the fast path can't run (a missing program, a script without "#!") goes to
    // the shell, which then behaves and reports exactly as it always does.
    if (!pid) {
        pid = setup.Spawn({"/bin/sh", "-c", commandLine}, error);
    }
    writeEnd.Reset();
    if (!pid) {
        Fail(error);
        return;
    }

    cutOff_ = ReadOutput(readEnd.Get(), deadline);
    if (cutOff_ == CutOff::None && deadline && !EndsBefore(*pid, *deadline)) {
        cutOff_ = CutOff::TimeLimit;
    }
    if (cutOff_ != CutOff::None) {
        // Before the pipe closes, so that the kill, not a broken pipe, ends the command.
        // The group is the child's own and can't be reused before the child is reaped.
        ::kill(-*pid, SIGKILL);
    }
    readEnd.Reset();
    errorCode_ = WaitFor(*pid);
}

}  // namespace fw
