#pragma once
// The framework's string functions. Strings are UTF-8 byte strings (std::string).
// Functions ending in B count bytes; the others count characters (code points).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// The framework's one string equality, used by every string comparison of the
// program: case-insensitive under Unicode case folding ("ARIAL.TTF" equals "arial.ttf").
bool StringEquals(std::string_view a, std::string_view b);

std::int64_t LenB(std::string_view s);
// The last n bytes (all of s when it is shorter; empty for n <= 0).
std::string RightB(std::string_view s, std::int64_t n);
// Pieces between every occurrence of the separator bytes, empty pieces included.
// An empty text gives one empty piece; an empty separator gives every byte.
std::vector<std::string> SplitB(std::string_view s, std::string_view separator);

std::int64_t Len(std::string_view s);
// The first n characters.
std::string Left(std::string_view s, std::int64_t n);
// Pieces between every occurrence of the separator, compared with StringEquals.
// An empty text gives one empty piece; an empty separator gives every character.
std::vector<std::string> Split(std::string_view s, std::string_view separator);
std::string Join(const std::vector<std::string>& pieces, std::string_view separator);
// Unicode white space removed at both ends.
std::string Trim(std::string_view s);
// The first occurrence of find (StringEquals) replaced; s unchanged when absent or find empty.
std::string Replace(std::string_view s, std::string_view find, std::string_view with);
// Every occurrence (StringEquals) replaced, left to right, without rescanning
// replacements; s unchanged when find is empty.
std::string ReplaceAll(std::string_view s, std::string_view find, std::string_view with);

// The number at the start of s, as a Double: optional blanks, sign, digits, fraction
// and exponent; "&h" followed by hexadecimal digits reads as hexadecimal, "&o" as
// octal, "&b" as binary. Text that is no number gives its leading numeric part, or 0.
double Val(std::string_view s);

// Integer to decimal text, with no locale.
std::string ToString(std::int64_t value);

namespace EndOfLine {
inline constexpr std::string_view UNIX = "\n";
// The platform's line end.
inline constexpr std::string_view Native = "\n";
}  // namespace EndOfLine

class TextEncoding {
public:
    // The character with code point n, in this encoding. A value that is no Unicode
    // scalar value (negative, a surrogate, or above U+10FFFF) gives U+FFFD.
    std::string Chr(std::int64_t codePoint) const;
};

namespace Encodings {
inline constexpr TextEncoding UTF8{};
}  // namespace Encodings

}  // namespace fw
