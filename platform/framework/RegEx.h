#pragma once
// Regular expressions (PCRE2 syntax, UTF-8). Subjects that hold invalid UTF-8 are
// searched safely: invalid bytes never match.

#include <cstdint>
#include <string>

#include "Object.h"
#include "RegExMatch.h"
#include "RegExOptions.h"

namespace fw {

class RegEx : public Object {
public:
    std::string ClassName() const override { return "RegEx"; }

    // The first match at or after SearchStartPosition; Nil when there is none.
    // RegExException with the engine's message when it rejects the pattern.
    Ref<RegExMatch> Search(const std::string& source) const;
    // source with its first match (every match with ReplaceAllMatches) at or after
    // SearchStartPosition replaced by ReplacementPattern, in which "\0" to "\9" stand for
    // groups (an unset group is empty), "\\" is one backslash and any other backslash is
    // literal. source unchanged when nothing matches. RegExException as Search.
    std::string Replace(const std::string& source) const;

    RegExOptions Options;
    // Byte offset where the search starts; beyond the end nothing matches.
    std::int64_t SearchStartPosition{0};
    std::string SearchPattern;
    std::string ReplacementPattern;
};

}  // namespace fw
