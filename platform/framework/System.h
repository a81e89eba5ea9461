#pragma once
// The system object: the platform's localised-string lookup.

#include <string>
#include <string_view>

#include "Object.h"

namespace fw {

class System : public Object {
public:
    std::string ClassName() const override { return "System"; }

    // The translation of key for language from Resources/locale/<language>.json (a JSON
    // object of key to text); "ja_JP" falls back to "ja". An empty language means the
    // platform's, chosen as gettext does: the locale is the first set of LC_ALL,
    // LC_MESSAGES and LANG; unless it is "C" or "POSIX" (any codeset) or unset, each
    // entry of the colon-separated LANGUAGE is tried in turn, then the locale; the first
    // that translates key wins. Without a translation, exactly englishDefault. Each file
    // is read once, at its first use, until ForgetTranslations_; one that is no regular
    // file (links are followed), is larger than 1 MiB, nests deeper than 16 levels or
    // can't be read counts as no translation.
    std::string GetLocalizedString_(std::string_view key, std::string_view englishDefault,
                                    std::string_view language) const;
    // Drops the files read so far, so the next lookups read them afresh. The runtime
    // calls it at every start.
    void ForgetTranslations_();
};

Ref<System> SystemObject();

}  // namespace fw
