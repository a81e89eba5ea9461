#include "ShellCommandLine.h"

namespace fw {

namespace {

bool IsPlain(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::string_view("_@%+=:,./-").find(c) != std::string_view::npos;
}

}  // namespace

std::optional<std::vector<std::string>> SplitPlainCommandLine(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) {
            ++i;
        }
        if (i == line.size()) {
            break;
        }
        std::string word;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
            const char c = line[i];
            if (IsPlain(c)) {
                word += c;
                ++i;
            } else if (c == '\'') {
                const std::size_t close = line.find('\'', i + 1);
                if (close == std::string_view::npos) {
                    return std::nullopt;
                }
                word.append(line.substr(i + 1, close - i - 1));
                i = close + 1;
            } else if (c == '\\' && i + 1 < line.size() && line[i + 1] == '\'') {
                word += '\'';
                i += 2;
            } else {
                return std::nullopt;
            }
        }
        words.push_back(std::move(word));
    }
    if (words.empty() || words.front().find('/') == std::string::npos ||
        words.front().find('=') != std::string::npos) {
        return std::nullopt;
    }
    return words;
}

}  // namespace fw
