#include "window/RunReport.h"

#include <algorithm>

#include "app/Localized.h"
#include "window/ShownName.h"

namespace RunReport {

namespace {

constexpr std::size_t kListed = 10;

std::string Reason(NotFiled reason) {
    switch (reason) {
        case NotFiled::NotAFile:
            return Localized::kNotAFile("");
        case NotFiled::RelativeLink:
            return Localized::kRelativeLink("");
        case NotFiled::SpotFailed:
            return Localized::kSpotFailed("");
        case NotFiled::OutputTooLarge:
            return Localized::kOutputTooLarge("");
        case NotFiled::TimedOut:
            return Localized::kTimedOut("");
        case NotFiled::NoFamilyName:
            return Localized::kNoFamilyName("");
        case NotFiled::BadFolderName:
            return Localized::kBadFolderName("");
        case NotFiled::FolderNotMade:
            return Localized::kFolderNotMade("");
        case NotFiled::AlreadyThere:
            return Localized::kAlreadyThere("");
        case NotFiled::ChangedDuringMove:
            return Localized::kChangedDuringMove("");
        case NotFiled::NoLongerThere:
            return Localized::kNoLongerThere("");
        case NotFiled::MoveFailed:
            break;
    }
    return Localized::kMoveFailed("");
}

}  // namespace

std::string Explanation(const std::vector<Unfiled>& unfiled) {
    if (unfiled.empty()) {
        return {};
    }
    std::string text =
        std::to_string(unfiled.size()) + " " +
        (unfiled.size() == 1 ? Localized::kFontStayed("") : Localized::kFontsStayed(""));
    for (std::size_t i = 0; i < std::min(unfiled.size(), kListed); ++i) {
        text += '\n';
        text += ShownName(unfiled[i].name);
        text += " — ";
        text += Reason(unfiled[i].reason);
    }
    if (unfiled.size() > kListed) {
        const std::size_t more = unfiled.size() - kListed;
        text += '\n';
        text += std::to_string(more);
        text += ' ';
        text += more == 1 ? Localized::kMoreFontNotListed("") : Localized::kMoreFontsNotListed("");
    }
    return text;
}

}  // namespace RunReport
