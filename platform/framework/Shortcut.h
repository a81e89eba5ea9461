#pragma once
// Reading a menu shortcut text such as "Cmd+W" or "Cmd+Shift+Z".

#include <optional>
#include <string>
#include <string_view>

namespace fw {

struct ParsedShortcut {
    // "Cmd"/"Command": the platform's command key (backends off macOS map it to Ctrl).
    bool command{false};
    bool shift{false};
    // "Option"/"Alt".
    bool option{false};
    // "Ctrl"/"Control".
    bool control{false};
    // The key as written ("W", "F1", "+").
    std::string key;

    bool operator==(const ParsedShortcut&) const = default;
};

// Modifier words (any case, each at most once) and one key, joined by "+", blanks
// around the parts ignored. Empty text, an empty part, an unknown or repeated
// modifier, or a modifier in the key's place give nullopt.
std::optional<ParsedShortcut> ParseShortcut(std::string_view text);

}  // namespace fw
