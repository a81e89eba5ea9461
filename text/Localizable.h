#pragma once
// The program's localisable constants all look up their text the same way.

#include <string>
#include <string_view>

// What the platform's localised-string lookup gives for key in language, or the English
// default when it has no translation. Raises fw::NilObjectException when the framework
// has no System object.
std::string LocalizedText(std::string_view key, std::string_view englishDefault,
                          std::string_view language);
