#pragma once
// Runs a command line to its end and collects its standard output.

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

#include "Object.h"

namespace fw {

class Shell : public Object {
public:
    // Why the last command was stopped before it ended by itself.
    enum class CutOff { None, OutputLimit, TimeLimit };

    std::string ClassName() const override { return "Shell"; }

    // A command whose output passes this many bytes is stopped; none by default.
    std::optional<std::size_t> OutputLimit;
    // A command still running (or still holding its output open) after this long is
    // stopped; none by default, and none for a limit too long for the clock to reach.
    std::optional<std::chrono::milliseconds> TimeLimit;

    // Runs commandLine as `/bin/sh -c commandLine` would and returns when it has ended.
    // Standard input is /dev/null; standard error passes through to ours. With a limit
    // set, the command runs in a session of its own, without a controlling terminal (so
    // a terminal's job control can't stop it) and as the leader of its own process
    // group; stopping it kills that whole group (whatever the command started) and reaps
    // the command. Without limits it stays in our session and process group.
    void Execute(std::string commandLine);
    // The exit status of the last command; 128 + the signal when a signal ended it
    // (128 + SIGKILL when it was stopped at a limit).
    int ErrorCode() const { return errorCode_; }
    // Whether, and at which limit, the last command was stopped.
    CutOff CutOffReason() const { return cutOff_; }
    // Everything the last command wrote to its standard output; when it was stopped at
    // OutputLimit, the first OutputLimit bytes.
    std::string ReadAll() const { return output_; }

private:
    using Deadline = std::optional<std::chrono::steady_clock::time_point>;

    void Fail(int error);
    CutOff ReadOutput(int fd, Deadline deadline);

    int errorCode_{0};
    CutOff cutOff_{CutOff::None};
    std::string output_;
};

}  // namespace fw
