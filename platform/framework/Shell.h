#pragma once
// Runs a command line to its end and collects its standard output.

#include <string>

#include "Object.h"

namespace fw {

class Shell : public Object {
public:
    std::string ClassName() const override { return "Shell"; }

    // Runs commandLine as `/bin/sh -c commandLine` would and returns when it has ended.
    // Standard input is /dev/null; standard error passes through to ours.
    void Execute(std::string commandLine);
    // The exit status of the last command; 128 + the signal when a signal ended it.
    int ErrorCode() const { return errorCode_; }
    // Everything the last command wrote to its standard output.
    std::string ReadAll() const { return output_; }

private:
    void Fail(int error);

    int errorCode_{0};
    std::string output_;
};

}  // namespace fw
