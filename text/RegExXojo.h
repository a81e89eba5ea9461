#pragma once
// The program's regular-expression helpers. Every call that reaches the engine makes
// a fresh RegEx; an engine error becomes an alert and an empty result.

#include <cstdint>
#include <string>

#include "framework/Object.h"
#include "framework/RegEx.h"

namespace RegExXojo {

// The object made by the last call that reached the engine; Nil until then.
extern fw::Ref<fw::RegEx> reg;

// The whole first match of pattern at or after start (in characters); empty when there
// is none, when source or pattern is empty, and after an engine error.
std::string MachStr(const std::string& source, const std::string& pattern, std::int64_t start,
                    bool caseSensitive);

// source with its first match at or after start (in characters) replaced; replacement is
// in the engine's replacement syntax ("\1" for group 1). source unchanged when source or
// pattern is empty, when the pattern is a lone "^", "$" or "\b" (refused with an alert),
// and when nothing matches; empty after an engine error.
std::string Replace(const std::string& source, const std::string& pattern,
                    const std::string& replacement, std::int64_t start, bool caseSensitive);

// Replaces reg with a new RegEx holding the engine's default options.
void MakeRegEx();

// Localisable constant: the alert shown for a refused lone metacharacter pattern.
std::string kAlert_Metacharacters(const std::string& language);

}  // namespace RegExXojo
