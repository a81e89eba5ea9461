#pragma once
// Splits a command line that /bin/sh would read as plain words, so it can be run
// without a shell.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// The argument vector of a command line made only of plain words
// ([A-Za-z0-9_@%+=:,./-]), single-quoted segments and \' joins, separated by blanks,
// whose first word names a program by a path (holds "/", no "="), so that sh would
// neither look up a builtin nor read an assignment. nullopt for anything else.
std::optional<std::vector<std::string>> SplitPlainCommandLine(std::string_view commandLine);

}  // namespace fw
