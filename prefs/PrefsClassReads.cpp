// The typed reads cut the compact JSON text instead of walking the structure; what
// the cutting leaves of escapes, separators inside strings and nesting is kept as is.

#include <cmath>
#include <limits>

#include "framework/RuntimeException.h"
#include "framework/Strings.h"
#include "prefs/PreferenceNotFoundException.h"
#include "prefs/PrefsClass.h"
#include "text/RegExXojo.h"

namespace Preferences {

namespace {

std::string Strip(const std::string& text, const std::string& pattern) {
    return RegExXojo::Replace(text, pattern, "", 0, true);
}

// Val truncated toward zero; what does not fit in 64 bits, and NaN, give the minimum.
std::int64_t TruncatedVal(const std::string& piece) {
    const double value = fw::Val(piece);
    constexpr double kLimit = 9223372036854775808.0;  // 2^63
    if (std::isnan(value) || value >= kLimit || value < -kLimit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(value);
}

// Runs of double quotes at both ends removed.
std::string Unquoted(const std::string& text) {
    return RegExXojo::Replace(text, "^\"*(.+?)\"*$", "\\1", 0, true);
}

}  // namespace

std::string PrefsClass::CompactText(const std::string& key) const {
    if (!mPrefs->HasName(key)) {
        throw PreferenceNotFoundException(key);
    }
    auto member = mPrefs->Value(key).As<fw::JSONItem>();
    return member->ToString();
}

std::vector<std::string> PrefsClass::ArrayPieces(const std::string& key) const {
    std::string text = CompactText(key);
    text = Strip(text, "^\\[\"*");
    text = Strip(text, "\"*\\]$");
    text = fw::ReplaceAll(text, "\",\"", ",");
    return fw::SplitB(text, ",");
}

std::vector<std::int64_t> PrefsClass::GetArrayInteger(const std::string& key) {
    std::vector<std::int64_t> result;
    if (mPrefs.IsNil()) {
        return result;
    }
    for (const auto& piece : ArrayPieces(key)) {
        result.push_back(TruncatedVal(piece));
    }
    return result;
}

std::vector<std::string> PrefsClass::GetArrayString(const std::string& key) {
    if (mPrefs.IsNil()) {
        return {};
    }
    return ArrayPieces(key);
}

std::vector<fw::Variant> PrefsClass::GetArrayVariant(const std::string& key) {
    std::vector<fw::Variant> result;
    if (mPrefs.IsNil()) {
        return result;
    }
    for (auto& piece : ArrayPieces(key)) {
        result.emplace_back(std::move(piece));
    }
    return result;
}

fw::Ref<fw::Dictionary> PrefsClass::GetDictionary(const std::string& key) {
    auto result = fw::New<fw::Dictionary>();
    if (mPrefs.IsNil()) {
        return result;
    }
    std::string text = CompactText(key);
    text = Strip(text, "^{");
    text = Strip(text, "}$");
    for (const auto& entry : fw::SplitB(text, ",")) {
        auto parts = fw::SplitB(entry, ":");
        parts.resize(2);
        result->Value(fw::Variant(Unquoted(parts[0])), fw::Variant(Unquoted(parts[1])));
    }
    return result;
}

}  // namespace Preferences
