#include "text/DecodeUnicode.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/Strings.h"
#include "text/CodePoint.h"
#include "text/RegExXojo.h"

namespace {

constexpr std::int64_t kHighFirst = 0xD800;
constexpr std::int64_t kLowFirst = 0xDC00;
constexpr std::int64_t kLowLast = 0xDFFF;

// The four digits that begin the piece when it starts with an escape, else empty.
std::string LeadingEscape(const std::string& piece) {
    std::string hex = RegExXojo::MachStr(piece, "[0-9a-f]{4}", 0, true);
    if (hex.empty() || piece.compare(0, hex.size(), hex) != 0) {
        return {};
    }
    return hex;
}

std::int64_t HexValue(const std::string& hex) {
    return static_cast<std::int64_t>(fw::Val("&h" + hex));
}

// The decoded character goes in as a replacement pattern; a backslash in it must
// reach the piece as itself, not as the engine's escape character.
std::string LiteralReplacement(const std::string& text) {
    return fw::ReplaceAll(text, "\\", "\\\\");
}

std::string ReplaceLeading(const std::string& piece, const std::string& hex,
                           const std::string& character) {
    return RegExXojo::Replace(piece, "^" + hex, LiteralReplacement(character), 0, true);
}

}  // namespace

std::string DecodeUnicode(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    std::vector<std::string> pieces = fw::Split(text, "\\");
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        std::string hex = RegExXojo::MachStr(pieces[i], "[0-9a-f]{4}", 0, true);
        if (hex.empty()) {
            continue;
        }
        // A high surrogate escape that fills its piece is directly followed by the next
        // escape; with a low surrogate there, the two make one character.
        const std::int64_t high = HexValue(hex);
        if (high >= kHighFirst && high < kLowFirst && pieces[i] == hex && i + 1 < pieces.size()) {
            const std::string lowHex = LeadingEscape(pieces[i + 1]);
            const std::int64_t low = lowHex.empty() ? -1 : HexValue(lowHex);
            if (low >= kLowFirst && low <= kLowLast) {
                const std::int64_t codePoint =
                    0x10000 + ((high - kHighFirst) << 10) + (low - kLowFirst);
                pieces[i] = ReplaceLeading(pieces[i], hex, fw::Encodings::UTF8.Chr(codePoint));
                pieces[i + 1] = ReplaceLeading(pieces[i + 1], lowHex, "");
                ++i;
                continue;
            }
        }
        pieces[i] = ReplaceLeading(pieces[i], hex, CodePoint::Decode(hex));
    }
    return fw::Join(pieces, "");
}
