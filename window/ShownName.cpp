#include "window/ShownName.h"

#include <vector>

#include "framework/Utf8.h"

namespace RunReport {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kEllipsis = 0x2026;
constexpr char32_t kFirstStrongIsolate = 0x2068;
constexpr char32_t kPopDirectionalIsolate = 0x2069;
constexpr char32_t kPopDirectionalFormatting = 0x202C;

bool OpensEmbedding(char32_t c) {
    return c == 0x202A || c == 0x202B || c == 0x202D || c == 0x202E;  // LRE RLE LRO RLO
}

bool OpensIsolate(char32_t c) {
    return c >= 0x2066 && c <= 0x2068;  // LRI RLI FSI
}

bool NeedsEscape(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

// In ASCII, which every font can show: "\n", "\x1B", "\u0085".
std::string Escape(char32_t c) {
    switch (c) {
        case '\t':
            return "\\t";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        default:
            break;
    }
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string escape = c <= 0x7F ? "\\x" : "\\u";
    for (int shift = c <= 0x7F ? 4 : 12; shift >= 0; shift -= 4) {
        escape += kDigits[(c >> shift) & 0xF];
    }
    return escape;
}

std::vector<char32_t> VisibleCharacters(std::string_view name) {
    std::vector<char32_t> characters;
    for (std::size_t i = 0; i < name.size(); i += fw::utf8::CharLength(name, i)) {
        const long c = fw::utf8::CodePointAt(name, i);
        const char32_t character = c < 0 ? kReplacement : static_cast<char32_t>(c);
        if (NeedsEscape(character)) {
            const std::string escape = Escape(character);
            characters.insert(characters.end(), escape.begin(), escape.end());
        } else {
            characters.push_back(character);
        }
    }
    return characters;
}

void ShortenInTheMiddle(std::vector<char32_t>& characters) {
    if (characters.size() <= kShownNameCharacters) {
        return;
    }
    const std::size_t head = kShownNameCharacters / 2;
    const std::size_t tail = kShownNameCharacters - head - 1;
    characters.erase(characters.begin() + static_cast<std::ptrdiff_t>(head),
                     characters.end() - static_cast<std::ptrdiff_t>(tail));
    characters.insert(characters.begin() + static_cast<std::ptrdiff_t>(head), kEllipsis);
}

// Keeps the directional controls that pair up as the bidirectional algorithm pairs them:
// a PDF closes the latest embedding when no isolate was opened after it, a PDI the latest
// isolate (and the embeddings opened inside it). Every other one is dropped.
void DropUnpairedDirectionalControls(std::vector<char32_t>& characters) {
    std::vector<bool> keep(characters.size(), true);
    struct Opened {
        std::size_t index;
        bool isolate;
    };
    std::vector<Opened> open;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const char32_t c = characters[i];
        if (OpensEmbedding(c) || OpensIsolate(c)) {
            open.push_back({i, OpensIsolate(c)});
        } else if (c == kPopDirectionalFormatting) {
            if (!open.empty() && !open.back().isolate) {
                open.pop_back();
            } else {
                keep[i] = false;
            }
        } else if (c == kPopDirectionalIsolate) {
            std::size_t depth = open.size();
            while (depth > 0 && !open[depth - 1].isolate) {
                --depth;
            }
            if (depth == 0) {
                keep[i] = false;
                continue;
            }
            while (open.size() >= depth) {
                keep[open.back().index] = open.size() == depth;
                open.pop_back();
            }
        }
    }
    for (const Opened& unclosed : open) {
        keep[unclosed.index] = false;
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        if (keep[i]) {
            characters[kept++] = characters[i];
        }
    }
    characters.resize(kept);
}

}  // namespace

std::string ShownName(std::string_view fileName) {
    std::vector<char32_t> characters = VisibleCharacters(fileName);
    ShortenInTheMiddle(characters);
    DropUnpairedDirectionalControls(characters);
    std::string shown;
    fw::utf8::Append(shown, kFirstStrongIsolate);
    for (const char32_t c : characters) {
        fw::utf8::Append(shown, static_cast<long>(c));
    }
    fw::utf8::Append(shown, kPopDirectionalIsolate);
    return shown;
}

}  // namespace RunReport
