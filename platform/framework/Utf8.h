#pragma once
// UTF-8 helpers shared by the string functions. An invalid byte counts as one character.

#include <cstddef>
#include <string>
#include <string_view>

namespace fw::utf8 {

// Length of the well-formed sequence starting at i, or 1 for an invalid byte.
std::size_t CharLength(std::string_view s, std::size_t i);
// The code point at i, or -1 for an invalid byte.
long CodePointAt(std::string_view s, std::size_t i);
bool IsValid(std::string_view s);
// Appends the encoding of a Unicode scalar value; anything else appends U+FFFD.
void Append(std::string& out, long codePoint);

}  // namespace fw::utf8
