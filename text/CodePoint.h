#pragma once

#include <string>

namespace CodePoint {

// The one character whose code point the hexadecimal digits give, as UTF-8; empty for
// an argument longer than 5 bytes. A value that is no Unicode scalar gives U+FFFD.
std::string Decode(const std::string& hex);

}  // namespace CodePoint
