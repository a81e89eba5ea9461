#include <dirent.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <termios.h>

#include <chrono>
#include <cstdint>

#include "TempFolder.h"
#include "framework/FileDescriptor.h"
#include "framework/FolderItem.h"
#include "framework/Shell.h"
#include "framework/ShellCommandLine.h"

using namespace fw;

namespace {

int OpenDescriptors() {
    int count = 0;
    if (DIR* dir = ::opendir("/proc/self/fd")) {
        while (::readdir(dir) != nullptr) {
            ++count;
        }
        ::closedir(dir);
    }
    return count;
}

std::string RunCommand(const std::string& commandLine, int* code = nullptr) {
    Shell shell;
    shell.Execute(commandLine);
    if (code) {
        *code = shell.ErrorCode();
    }
    return shell.ReadAll();
}

// Names a Linux file may have that a careless quoting would break.
const std::vector<std::string> hostileNames = {
    "two  blanks",
    "it's",
    "say \"hi\"",
    "$HOME",
    "`id`",
    "$(touch pwned)",
    "back\\slash",
    "new\nline",
    "tab\there",
    "日本語 フォント.ttf",
    "bad\xFF\xFE utf8",
    "-n",
    "*",
    "a;b|c&d",
    "'",
    "''",
    "x=y",
    "~user",
    "#hash",
    "!bang",
    "{a,b}",
    "trail\\",
};

}  // namespace

TEST(Shell, ExitStatusAndOutput) {
    int code = -1;
    EXPECT_EQ(RunCommand("printf 'a\\nb'", &code), "a\nb");
    EXPECT_EQ(code, 0);
    RunCommand("exit 3", &code);
    EXPECT_EQ(code, 3);
    RunCommand("kill -TERM $$", &code);
    EXPECT_EQ(code, 128 + SIGTERM);
    EXPECT_EQ(RunCommand("echo out; echo err >&2", &code), "out\n");
    EXPECT_EQ(RunCommand("cat", &code), "");  // standard input is empty, not ours
    EXPECT_EQ(code, 0);
}

TEST(Shell, LargeOutputDoesNotDeadlock) {
    const std::string out = RunCommand("head -c 10485760 /dev/zero");
    EXPECT_EQ(out.size(), 10485760u);
}

TEST(Shell, NoDescriptorLeakAndNoZombie) {
    const int before = OpenDescriptors();
    for (int i = 0; i < 20; ++i) {
        RunCommand("/bin/true");
        RunCommand("true");
    }
    EXPECT_EQ(OpenDescriptors(), before);
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);  // no child left to reap
    // Only 0, 1 and 2 reach the child, both on the fast path and through sh.
    EXPECT_EQ(RunCommand("/bin/ls /proc/self/fd"), "0\n1\n2\n3\n");  // 3: ls's own listing
    EXPECT_EQ(RunCommand("ls /proc/self/fd | wc -l"), "4\n");
}

// Whether the process ends within a few seconds (a kill is delivered asynchronously).
bool Ends(const std::string& pid) {
    const int fd = static_cast<int>(::syscall(SYS_pidfd_open, std::stoi(pid), 0));
    if (fd < 0) {
        return errno == ESRCH;
    }
    pollfd entry{fd, POLLIN, 0};
    const bool ended = ::poll(&entry, 1, 5000) == 1;
    ::close(fd);
    return ended;
}

TEST(Shell, OutputPastTheLimitStopsTheCommand) {
    Shell shell;
    shell.OutputLimit = 1 << 20;
    shell.Execute("/usr/bin/yes 0123456789");  // never ends by itself
    EXPECT_EQ(shell.CutOffReason(), Shell::CutOff::OutputLimit);
    EXPECT_EQ(shell.ErrorCode(), 128 + SIGKILL);
    EXPECT_EQ(shell.ReadAll().size(), 1u << 20);
    EXPECT_EQ(shell.ReadAll().substr(0, 11), "0123456789\n");

    shell.OutputLimit = 1000;  // output of exactly the limit is whole
    shell.Execute("head -c 1000 /dev/zero");
    EXPECT_EQ(shell.CutOffReason(), Shell::CutOff::None);
    EXPECT_EQ(shell.ErrorCode(), 0);
    EXPECT_EQ(shell.ReadAll().size(), 1000u);
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
}

TEST(Shell, TimeLimitStopsTheCommandAndWhatItStarted) {
    Shell shell;
    shell.TimeLimit = std::chrono::milliseconds(200);
    const std::vector<std::string> neverEnding = {
        "sleep 100 & echo $!; wait",                       // output still open
        "sleep 100 >/dev/null & echo $!; exec >&-; wait",  // output closed, still running
    };
    for (const std::string& command : neverEnding) {
        SCOPED_TRACE(command);
        shell.Execute(command);
        EXPECT_EQ(shell.CutOffReason(), Shell::CutOff::TimeLimit);
        EXPECT_EQ(shell.ErrorCode(), 128 + SIGKILL);
        const std::string grandchild = shell.ReadAll().substr(0, shell.ReadAll().find('\n'));
        ASSERT_FALSE(grandchild.empty());
        EXPECT_TRUE(Ends(grandchild));
    }
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
}

TEST(Shell, ATimeLimitBeyondTheClockMeansNone) {
    using std::chrono::milliseconds;
    // The second is just past the clock in nanoseconds, though it converts to them.
    for (const milliseconds limit : {milliseconds::max(), milliseconds(INT64_MAX / 1000000)}) {
        SCOPED_TRACE(limit.count());
        Shell shell;
        shell.TimeLimit = limit;
        shell.Execute("echo hi");
        EXPECT_EQ(shell.CutOffReason(), Shell::CutOff::None);
        EXPECT_EQ(shell.ErrorCode(), 0);
        EXPECT_EQ(shell.ReadAll(), "hi\n");
    }
    Shell shell;
    shell.TimeLimit = milliseconds::min();  // a negative limit is reached at once
    shell.Execute("sleep 100");
    EXPECT_EQ(shell.CutOffReason(), Shell::CutOff::TimeLimit);
    EXPECT_EQ(shell.ErrorCode(), 128 + SIGKILL);
}

// On a terminal set to stop background jobs that write to it, the command's warning must
// not stop it until the time limit.
TEST(Shell, TerminalJobControlCannotStopALimitedCommand) {
    int terminal = -1;
    const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(child, 0);
    if (child == 0) {
        termios mode{};
        ::tcgetattr(2, &mode);
        mode.c_lflag |= TOSTOP;
        ::tcsetattr(2, TCSANOW, &mode);
        Shell shell;
        shell.TimeLimit = std::chrono::seconds(10);
        shell.Execute("echo warning >&2; echo done");
        const bool whole =
            shell.CutOffReason() == Shell::CutOff::None && shell.ReadAll() == "done\n";
        ::_exit(whole ? 0 : 1);
    }
    const FileDescriptor owner(terminal);
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

TEST(Shell, HostilePathsReachTheCommandExactly) {
    TempFolder temp;
    const auto folder = FolderItem::FromPath(temp.Path());
    for (const std::string& name : hostileNames) {
        WriteFile(temp / name, name);
        const auto file = folder->Child(name, false);
        const std::string cat = "/bin/cat " + file->ShellPath();
        int code = -1;
        EXPECT_EQ(RunCommand(cat, &code), name) << name;
        EXPECT_EQ(code, 0) << name;
        // Through sh as well (a pipe rules out the fast path).
        EXPECT_EQ(RunCommand("printf %s " + file->ShellPath() + " | cat"), file->NativePath())
            << name;
    }
    EXPECT_FALSE(folder->Child("pwned")->Exists());
}

TEST(Shell, ProgramPathWithBlanksAndQuotes) {
    TempFolder temp;
    const std::string tool = temp / "my 'tool' $x";
    WriteFile(tool, "#!/bin/sh\nprintf '%s|' \"$@\"\n");
    ::chmod(tool.c_str(), 0755);
    const auto path = FolderItem::FromPath(tool)->ShellPath();
    int code = -1;
    EXPECT_EQ(RunCommand(path + " -t name=3 'a b'", &code), "-t|name=3|a b|");
    EXPECT_EQ(code, 0);
}

TEST(Shell, FastPathMatchesTheShell) {
    TempFolder temp;
    const std::string script = temp / "noshebang";
    WriteFile(script, "echo via sh; exit 4\n");  // no "#!": sh runs it as a script
    ::chmod(script.c_str(), 0755);
    const std::string notExecutable = temp / "plain";
    WriteFile(notExecutable, "x");
    const std::vector<std::string> lines = {
        "/bin/echo a 'b c' 'd'\\''e'", script, notExecutable, temp / "missing", temp.Path(),
        "/bin/sh -c 'exit 7'",
    };
    for (const std::string& line : lines) {
        ASSERT_TRUE(SplitPlainCommandLine(line).has_value()) << line;
        int fast = -1;
        int viaSh = -1;
        const std::string fastOut = RunCommand(line, &fast);
        const std::string shOut = RunCommand(line + " ; exit $?", &viaSh);
        EXPECT_EQ(fastOut, shOut) << line;
        EXPECT_EQ(fast, viaSh) << line;
    }
    int code = -1;
    RunCommand(temp / "missing", &code);
    EXPECT_EQ(code, 127);
}

TEST(Shell, CommandLineSplitting) {
    using V = std::vector<std::string>;
    EXPECT_EQ(*SplitPlainCommandLine("/x/spot -t name=3 '/a b'"),
              (V{"/x/spot", "-t", "name=3", "/a b"}));
    EXPECT_EQ(*SplitPlainCommandLine("'/it'\\''s' ''"), (V{"/it's", ""}));
    EXPECT_FALSE(SplitPlainCommandLine("echo hi").has_value());        // builtin lookup
    EXPECT_FALSE(SplitPlainCommandLine("A=/b /bin/env").has_value());  // assignment
    EXPECT_FALSE(SplitPlainCommandLine("/bin/echo $HOME").has_value());
    EXPECT_FALSE(SplitPlainCommandLine("/bin/echo 'open").has_value());
    EXPECT_FALSE(SplitPlainCommandLine("/bin/echo a\nb").has_value());
    EXPECT_FALSE(SplitPlainCommandLine("/bin/echo \"a\"").has_value());
    EXPECT_FALSE(SplitPlainCommandLine("").has_value());
}
