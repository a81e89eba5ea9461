#pragma once
// The main window's and the batch's localisable texts. Each takes a language code
// (callers pass "") and returns the translation, or the English default.

#include <string>

namespace Localized {

std::string Drop_to_window(const std::string& language);
std::string kRun(const std::string& language);
std::string kItem(const std::string& language);
std::string kItems(const std::string& language);
std::string Completed(const std::string& language);

}  // namespace Localized
