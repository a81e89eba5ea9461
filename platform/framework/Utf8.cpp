#include "Utf8.h"

namespace fw::utf8 {

namespace {

struct Decoded {
    std::size_t length;
    long codePoint;  // -1 when invalid
};

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

Decoded Decode(std::string_view s, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const unsigned char c = at(0);
    if (c < 0x80) {
        return {1, c};
    }
    std::size_t length = 0;
    long cp = 0;
    long minimum = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2, cp = c & 0x1F, minimum = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3, cp = c & 0x0F, minimum = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4, cp = c & 0x07, minimum = 0x10000;
    } else {
        return {1, -1};
    }
    if (i + length > s.size()) {
        return {1, -1};
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (!IsContinuation(at(k))) {
            return {1, -1};
        }
        cp = (cp << 6) | (at(k) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return {1, -1};
    }
    return {length, cp};
}

}  // namespace

std::size_t CharLength(std::string_view s, std::size_t i) {
    return Decode(s, i).length;
}

long CodePointAt(std::string_view s, std::size_t i) {
    return Decode(s, i).codePoint;
}

bool IsValid(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const Decoded d = Decode(s, i);
        if (d.codePoint < 0) {
            return false;
        }
        i += d.length;
    }
    return true;
}

void Append(std::string& out, long cp) {
    if (cp < 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        cp = 0xFFFD;
    }
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace fw::utf8
