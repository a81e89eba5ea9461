#include "RegEx.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "RuntimeException.h"
#include "Utf8.h"

namespace fw {

namespace {

std::string EngineMessage(int code) {
    PCRE2_UCHAR buffer[256];
    if (pcre2_get_error_message(code, buffer, sizeof buffer) < 0) {
        return "regular expression error " + std::to_string(code);
    }
    return reinterpret_cast<const char*>(buffer);
}

struct CodeDeleter {
    void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};
struct MatchDataDeleter {
    void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};

// One compiled pattern and its match data, for one Search or Replace.
class Compiled {
public:
    Compiled(const std::string& pattern, bool caseSensitive) {
        std::uint32_t options = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF;
        if (!caseSensitive) {
            options |= PCRE2_CASELESS;
        }
        int error = 0;
        PCRE2_SIZE offset = 0;
        code_.reset(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                  options, &error, &offset, nullptr));
        if (!code_) {
            throw RegExException(EngineMessage(error), error);
        }
        data_.reset(pcre2_match_data_create_from_pattern(code_.get(), nullptr));
        if (!data_) {
            throw RegExException("Out of memory for a regular-expression match.");
        }
        pcre2_pattern_info(code_.get(), PCRE2_INFO_CAPTURECOUNT, &captures_);
    }

    // Whether a match begins at or after start; RegExException for engine failures.
    bool Match(const std::string& subject, std::size_t start, std::uint32_t options) {
        const int rc = pcre2_match(code_.get(), reinterpret_cast<PCRE2_SPTR>(subject.data()),
                                   subject.size(), start, options, data_.get(), nullptr);
        if (rc == PCRE2_ERROR_NOMATCH) {
            return false;
        }
        if (rc < 0) {
            throw RegExException(EngineMessage(rc), rc);
        }
        return true;
    }

    // Byte ranges of the whole match and every group of the last match.
    std::vector<RegExMatch::Range> Groups() const {
        const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data_.get());
        const std::uint32_t pairs = pcre2_get_ovector_count(data_.get());
        std::vector<RegExMatch::Range> groups;
        for (std::uint32_t n = 0; n <= captures_; ++n) {
            if (n >= pairs || ovector[2 * n] == PCRE2_UNSET) {
                groups.emplace_back();
                continue;
            }
            // \K in a lookahead can put the start after the end.
            const std::size_t begin = ovector[2 * n];
            groups.emplace_back(std::pair{begin, std::max<std::size_t>(begin, ovector[2 * n + 1])});
        }
        return groups;
    }

private:
    std::unique_ptr<pcre2_code, CodeDeleter> code_;
    std::unique_ptr<pcre2_match_data, MatchDataDeleter> data_;
    std::uint32_t captures_{0};
};

// The start as a byte offset on a character boundary, or nullopt beyond the end.
std::optional<std::size_t> StartOffset(const std::string& subject, std::int64_t position) {
    if (position < 0) {
        position = 0;
    }
    auto start = static_cast<std::size_t>(position);
    if (start > subject.size()) {
        return std::nullopt;
    }
    // A start inside a character moves on to the next one.
    for (int k = 0; k < 3 && start < subject.size() &&
                    (static_cast<unsigned char>(subject[start]) & 0xC0) == 0x80;
         ++k) {
        ++start;
    }
    return start;
}

void AppendReplacement(std::string& out, const std::string& pattern, const std::string& subject,
                       const std::vector<RegExMatch::Range>& groups) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c != '\\' || i + 1 == pattern.size()) {
            out += c;
            continue;
        }
        const char next = pattern[i + 1];
        if (next >= '0' && next <= '9') {
            const auto n = static_cast<std::size_t>(next - '0');
            if (n < groups.size() && groups[n]) {
                out.append(subject, groups[n]->first, groups[n]->second - groups[n]->first);
            }
            ++i;
        } else if (next == '\\') {
            out += '\\';
            ++i;
        } else {
            out += c;
        }
    }
}

}  // namespace

Ref<RegExMatch> RegEx::Search(const std::string& source) const {
    Compiled compiled(SearchPattern, Options.CaseSensitive);
    const auto start = StartOffset(source, SearchStartPosition);
    if (!start || !compiled.Match(source, *start, 0)) {
        return nullptr;
    }
    return New<RegExMatch>(source, compiled.Groups());
}

std::string RegEx::Replace(const std::string& source) const {
    Compiled compiled(SearchPattern, Options.CaseSensitive);
    const auto start = StartOffset(source, SearchStartPosition);
    if (!start) {
        return source;
    }
    std::string out = source.substr(0, *start);
    std::size_t position = *start;
    std::uint32_t options = 0;
    bool replaced = false;
    while (position <= source.size()) {
        if (!compiled.Match(source, position, options)) {
            if (options == 0 || position == source.size()) {
                break;
            }
            // No non-empty match right after an empty one: step over one character.
            const std::size_t n = utf8::CharLength(source, position);
            out.append(source, position, n);
            position += n;
            options = 0;
            continue;
        }
        const auto groups = compiled.Groups();
        const auto [matchBegin, end] = *groups[0];
        const std::size_t begin = std::max(matchBegin, position);
        out.append(source, position, begin - position);
        AppendReplacement(out, ReplacementPattern, source, groups);
        replaced = true;
        position = end;
        if (!Options.ReplaceAllMatches) {
            break;
        }
        options = begin == end ? (PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED) : 0;
    }
    if (!replaced) {
        return source;
    }
    out.append(source, position, std::string::npos);
    return out;
}

}  // namespace fw
