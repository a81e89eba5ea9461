#include "app/Localized.h"

#include "text/Localizable.h"

namespace Localized {

std::string Drop_to_window(const std::string& language) {
    return LocalizedText("Localized.Drop_to_window", "Drop the font file into the window.",
                         language);
}

std::string kRun(const std::string& language) {
    return LocalizedText("Localized.kRun", "Run", language);
}

std::string kItem(const std::string& language) {
    return LocalizedText("Localized.kItem", "file", language);
}

std::string kItems(const std::string& language) {
    return LocalizedText("Localized.kItems", "files", language);
}

std::string Completed(const std::string& language) {
    return LocalizedText("Localized.Completed", "Completed.", language);
}

std::string kFontStayed(const std::string& language) {
    return LocalizedText("Localized.kFontStayed", "font stayed where it was.", language);
}

std::string kFontsStayed(const std::string& language) {
    return LocalizedText("Localized.kFontsStayed", "fonts stayed where they were.", language);
}

std::string kMoreFontNotListed(const std::string& language) {
    return LocalizedText("Localized.kMoreFontNotListed", "more font is not listed.", language);
}

std::string kMoreFontsNotListed(const std::string& language) {
    return LocalizedText("Localized.kMoreFontsNotListed", "more fonts are not listed.", language);
}

std::string kNotAFile(const std::string& language) {
    return LocalizedText("Localized.kNotAFile", "not a regular file", language);
}

std::string kRelativeLink(const std::string& language) {
    return LocalizedText("Localized.kRelativeLink", "a link with a relative target", language);
}

std::string kSpotFailed(const std::string& language) {
    return LocalizedText("Localized.kSpotFailed", "spot could not read it", language);
}

std::string kOutputTooLarge(const std::string& language) {
    return LocalizedText("Localized.kOutputTooLarge", "spot's output was too large", language);
}

std::string kTimedOut(const std::string& language) {
    return LocalizedText("Localized.kTimedOut", "spot timed out", language);
}

std::string kNoFamilyName(const std::string& language) {
    return LocalizedText("Localized.kNoFamilyName", "no family name", language);
}

std::string kBadFolderName(const std::string& language) {
    return LocalizedText("Localized.kBadFolderName", "the family name can't be a folder name",
                         language);
}

std::string kFolderNotMade(const std::string& language) {
    return LocalizedText("Localized.kFolderNotMade", "the family folder could not be made",
                         language);
}

std::string kAlreadyThere(const std::string& language) {
    return LocalizedText("Localized.kAlreadyThere",
                         "an item of that name is already in the family folder", language);
}

std::string kMoveFailed(const std::string& language) {
    return LocalizedText("Localized.kMoveFailed", "the move failed", language);
}

std::string kChangedDuringMove(const std::string& language) {
    return LocalizedText("Localized.kChangedDuringMove", "changed during the move", language);
}

std::string kNoLongerThere(const std::string& language) {
    return LocalizedText("Localized.kNoLongerThere", "no longer there", language);
}

}  // namespace Localized
