#include "framework/Shortcut.h"

#include <vector>

#include "framework/Strings.h"

namespace fw {

namespace {

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

std::vector<std::string_view> SplitOnPlus(std::string_view s) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto plus = s.find('+');
        parts.push_back(TrimBlanks(s.substr(0, plus)));
        if (plus == std::string_view::npos) {
            return parts;
        }
        s.remove_prefix(plus + 1);
    }
}

// Points at the flag that the modifier word sets, or nullptr for no modifier word.
bool* ModifierFlag(ParsedShortcut& shortcut, std::string_view word) {
    if (StringEquals(word, "Cmd") || StringEquals(word, "Command")) {
        return &shortcut.command;
    }
    if (StringEquals(word, "Shift")) {
        return &shortcut.shift;
    }
    if (StringEquals(word, "Option") || StringEquals(word, "Alt")) {
        return &shortcut.option;
    }
    if (StringEquals(word, "Ctrl") || StringEquals(word, "Control")) {
        return &shortcut.control;
    }
    return nullptr;
}

}  // namespace

std::optional<ParsedShortcut> ParseShortcut(std::string_view text) {
    std::vector<std::string_view> parts = SplitOnPlus(text);
    ParsedShortcut result;
    // "Cmd++" and "+" name the plus key: the text ends in an empty part after an
    // empty part.
    const auto n = parts.size();
    if (n >= 2 && parts[n - 1].empty() && parts[n - 2].empty()) {
        result.key = "+";
        parts.resize(n - 2);
    } else {
        result.key = std::string(parts.back());
        parts.pop_back();
        if (result.key.empty()) {
            return std::nullopt;
        }
        ParsedShortcut scratch;
        if (ModifierFlag(scratch, result.key) != nullptr) {
            return std::nullopt;
        }
    }
    for (const auto word : parts) {
        bool* flag = ModifierFlag(result, word);
        if (flag == nullptr || *flag) {
            return std::nullopt;
        }
        *flag = true;
    }
    return result;
}

}  // namespace fw
