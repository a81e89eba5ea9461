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

// The completion alert's explanation when fonts stayed where they were: the count, a
// blank and kFontStayed (for one) or kFontsStayed; then, a line each, a font's name and
// its reason; past the tenth, the count of the rest, a blank and kMoreFontNotListed (for
// one) or kMoreFontsNotListed.
std::string kFontStayed(const std::string& language);
std::string kFontsStayed(const std::string& language);
std::string kMoreFontNotListed(const std::string& language);
std::string kMoreFontsNotListed(const std::string& language);
std::string kNotAFile(const std::string& language);
std::string kRelativeLink(const std::string& language);
std::string kSpotFailed(const std::string& language);
std::string kOutputTooLarge(const std::string& language);
std::string kTimedOut(const std::string& language);
std::string kNoFamilyName(const std::string& language);
std::string kBadFolderName(const std::string& language);
std::string kFolderNotMade(const std::string& language);
std::string kAlreadyThere(const std::string& language);
std::string kMoveFailed(const std::string& language);
std::string kChangedDuringMove(const std::string& language);
std::string kNoLongerThere(const std::string& language);

}  // namespace Localized
