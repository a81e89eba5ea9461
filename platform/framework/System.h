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
    // that translates key wins. Without a translation, exactly englishDefault. The files
    // are read at every call.
    std::string GetLocalizedString_(std::string_view key, std::string_view englishDefault,
                                    std::string_view language) const;
};

Ref<System> SystemObject();

}  // namespace fw
