#pragma once

#include <string>

// The text with every backslash removed, where a backslash followed by four lowercase
// hexadecimal digits becomes the character with that code point. An escaped UTF-16
// high surrogate directly followed by an escaped low surrogate becomes the one character
// they encode; a lone surrogate becomes U+FFFD. Empty for an empty text.
std::string DecodeUnicode(const std::string& text);
