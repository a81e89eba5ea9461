#include "References.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

extern char** environ;

namespace bench {

namespace fs = std::filesystem;

namespace {

// Spawns argv with its standard output on a pipe (and standard input from text when
// given); reads the output to its end and drops it. Answers the exit status.
int SpawnAndDrain(const std::vector<std::string>& arguments, const std::string& input = "") {
    int out[2];
    int in[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(in, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(in[0]);
    if (error != 0) {
        ::close(out[0]);
        ::close(in[1]);
        throw std::runtime_error("cannot start " + arguments[0]);
    }
    // The script prints nothing, so writing all its input before reading cannot block.
    for (std::size_t done = 0; done < input.size();) {
        const ssize_t n = ::write(in[1], input.data() + done, input.size() - done);
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    ::close(in[1]);
    char buffer[65536];
    while (::read(out[0], buffer, sizeof buffer) > 0) {
    }
    ::close(out[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

double RunFloor(const std::string& spot, const std::vector<FontCopy>& fonts) {
    const auto start = std::chrono::steady_clock::now();
    for (const FontCopy& font : fonts) {
        SpawnAndDrain({spot, "-t", "name=3", font.path});
        const fs::path path(font.path);
        const fs::path folder = path.parent_path() / font.family;
        ::mkdir(folder.c_str(), 0777);
        std::rename(path.c_str(), (folder / path.filename()).c_str());
    }
    return SecondsSince(start);
}

double RunShellScript(const std::string& spot, const std::vector<FontCopy>& fonts) {
    std::string list;
    for (const FontCopy& font : fonts) {
        list += font.path + "\t" + font.family + "\n";
    }
    const std::string script =
        "spot=\"$1\"\n"
        "while IFS='\t' read -r f family; do\n"
        "  \"$spot\" -t name=3 \"$f\" < /dev/null > /dev/null\n"
        "  mkdir -p \"${f%/*}/$family\"\n"
        "  mv \"$f\" \"${f%/*}/$family/\"\n"
        "done\n";
    const auto start = std::chrono::steady_clock::now();
    SpawnAndDrain({"/bin/sh", "-c", script, "sh", spot}, list);
    return SecondsSince(start);
}

}  // namespace bench
