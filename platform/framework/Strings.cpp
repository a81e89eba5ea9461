#include "Strings.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>

#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

#include "Utf8.h"

namespace fw {

namespace {

bool IsAscii(std::string_view s) {
    for (char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

std::optional<std::u16string> ToUtf16(std::string_view s) {
    std::u16string out(s.size(), u'\0');
    int32_t length = 0;
    UErrorCode error = U_ZERO_ERROR;
    u_strFromUTF8(reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()), &length,
                  s.data(), static_cast<int32_t>(s.size()), &error);
    if (U_FAILURE(error)) {
        return std::nullopt;
    }
    out.resize(static_cast<std::size_t>(length));
    return out;
}

// Where the next occurrence of separator (StringEquals) begins at or after from, and
// how many bytes of s it spans; nullopt when there is none.
std::optional<std::pair<std::size_t, std::size_t>> FindEqual(std::string_view s,
                                                             std::string_view separator,
                                                             std::size_t from) {
    bool caseless = false;
    for (char c : separator) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80 || (AsciiLower(c) >= 'a' && AsciiLower(c) <= 'z')) {
            caseless = true;
        }
    }
    if (!caseless) {
        const std::size_t at = s.find(separator, from);
        if (at == std::string_view::npos) {
            return std::nullopt;
        }
        return std::pair{at, separator.size()};
    }
    // Case folding may change the length (ß against SS), so try every end on a character
    // boundary within reach.
    const std::int64_t reach = Len(separator) * 3 + 1;
    for (std::size_t i = from; i < s.size(); i += utf8::CharLength(s, i)) {
        std::size_t end = i;
        for (std::int64_t n = 0; n < reach && end < s.size(); ++n) {
            end += utf8::CharLength(s, end);
            if (StringEquals(s.substr(i, end - i), separator)) {
                return std::pair{i, end - i};
            }
        }
    }
    return std::nullopt;
}

std::vector<std::string> SplitWith(std::string_view s, std::string_view separator, bool bytes) {
    std::vector<std::string> pieces;
    if (separator.empty()) {
        // Each character (or byte) becomes a piece.
        for (std::size_t i = 0; i < s.size();) {
            const std::size_t n = bytes ? 1 : utf8::CharLength(s, i);
            pieces.emplace_back(s.substr(i, n));
            i += n;
        }
        if (pieces.empty()) {
            pieces.emplace_back();
        }
        return pieces;
    }
    std::size_t start = 0;
    while (true) {
        std::optional<std::pair<std::size_t, std::size_t>> hit;
        if (bytes) {
            const std::size_t at = s.find(separator, start);
            if (at != std::string_view::npos) {
                hit = std::pair{at, separator.size()};
            }
        } else {
            hit = FindEqual(s, separator, start);
        }
        if (!hit) {
            pieces.emplace_back(s.substr(start));
            return pieces;
        }
        pieces.emplace_back(s.substr(start, hit->first - start));
        start = hit->first + hit->second;
    }
}

bool IsWhiteSpace(long cp) {
    return cp >= 0 && u_isUWhiteSpace(static_cast<UChar32>(cp));
}

int DigitValue(char c, int radix) {
    int v = 99;
    if (c >= '0' && c <= '9') {
        v = c - '0';
    } else if (c >= 'a' && c <= 'z') {
        v = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'Z') {
        v = c - 'A' + 10;
    }
    return v < radix ? v : -1;
}

}  // namespace

bool StringEquals(std::string_view a, std::string_view b) {
    if (a == b) {
        return true;
    }
    if (IsAscii(a) && IsAscii(b)) {
        if (a.size() != b.size()) {
            return false;
        }
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (AsciiLower(a[i]) != AsciiLower(b[i])) {
                return false;
            }
        }
        return true;
    }
    const auto wa = ToUtf16(a);
    const auto wb = ToUtf16(b);
    if (!wa || !wb) {
        return false;  // invalid UTF-8 compares byte-wise, and the bytes differ
    }
    UErrorCode error = U_ZERO_ERROR;
    const int result = u_strCaseCompare(
        reinterpret_cast<const UChar*>(wa->data()), static_cast<int32_t>(wa->size()),
        reinterpret_cast<const UChar*>(wb->data()), static_cast<int32_t>(wb->size()),
        U_FOLD_CASE_DEFAULT, &error);
    return U_SUCCESS(error) && result == 0;
}

std::int64_t LenB(std::string_view s) {
    return static_cast<std::int64_t>(s.size());
}

std::string RightB(std::string_view s, std::int64_t n) {
    if (n <= 0) {
        return {};
    }
    const auto count = std::min(static_cast<std::size_t>(n), s.size());
    return std::string(s.substr(s.size() - count));
}

std::vector<std::string> SplitB(std::string_view s, std::string_view separator) {
    return SplitWith(s, separator, true);
}

std::int64_t Len(std::string_view s) {
    std::int64_t count = 0;
    for (std::size_t i = 0; i < s.size(); i += utf8::CharLength(s, i)) {
        ++count;
    }
    return count;
}

std::string Left(std::string_view s, std::int64_t n) {
    std::size_t end = 0;
    for (std::int64_t k = 0; k < n && end < s.size(); ++k) {
        end += utf8::CharLength(s, end);
    }
    return std::string(s.substr(0, end));
}

std::vector<std::string> Split(std::string_view s, std::string_view separator) {
    return SplitWith(s, separator, false);
}

std::string Join(const std::vector<std::string>& pieces, std::string_view separator) {
    std::string out;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            out += separator;
        }
        out += pieces[i];
    }
    return out;
}

std::string Trim(std::string_view s) {
    std::size_t begin = 0;
    while (begin < s.size() && IsWhiteSpace(utf8::CodePointAt(s, begin))) {
        begin += utf8::CharLength(s, begin);
    }
    // Walk forward to find where the trailing run of white space begins.
    std::size_t end = begin;
    for (std::size_t i = begin; i < s.size();) {
        const std::size_t n = utf8::CharLength(s, i);
        if (!IsWhiteSpace(utf8::CodePointAt(s, i))) {
            end = i + n;
        }
        i += n;
    }
    return std::string(s.substr(begin, end - begin));
}

std::string Replace(std::string_view s, std::string_view find, std::string_view with) {
    if (find.empty()) {
        return std::string(s);
    }
    const auto hit = FindEqual(s, find, 0);
    if (!hit) {
        return std::string(s);
    }
    std::string out(s.substr(0, hit->first));
    out += with;
    out += s.substr(hit->first + hit->second);
    return out;
}

std::string ReplaceAll(std::string_view s, std::string_view find, std::string_view with) {
    if (find.empty()) {
        return std::string(s);
    }
    std::string out;
    std::size_t start = 0;
    while (const auto hit = FindEqual(s, find, start)) {
        out += s.substr(start, hit->first - start);
        out += with;
        start = hit->first + hit->second;
    }
    out += s.substr(start);
    return out;
}

double Val(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) {
        ++i;
    }
    if (i + 1 < s.size() && s[i] == '&') {
        int radix = 0;
        switch (s[i + 1]) {
            case 'h':
            case 'H':
                radix = 16;
                break;
            case 'o':
            case 'O':
                radix = 8;
                break;
            case 'b':
            case 'B':
                radix = 2;
                break;
            default:
                return 0.0;
        }
        double value = 0.0;
        for (std::size_t k = i + 2; k < s.size(); ++k) {
            const int digit = DigitValue(s[k], radix);
            if (digit < 0) {
                break;
            }
            value = value * radix + digit;
        }
        return value;
    }
    // The longest prefix shaped like a decimal number: sign, digits, fraction, exponent.
    const std::size_t begin = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        ++i, ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i, ++digits;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t k = i + 1;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) {
            ++k;
        }
        if (k < s.size() && s[k] >= '0' && s[k] <= '9') {
            while (k < s.size() && s[k] >= '0' && s[k] <= '9') {
                ++k;
            }
            i = k;
        }
    }
    std::string_view number = s.substr(begin, i - begin);
    if (!number.empty() && number.front() == '+') {
        number.remove_prefix(1);  // from_chars takes no plus sign
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        const bool negative = number.front() == '-';
        // Overflow reads as infinity, underflow as zero.
        const std::size_t e = number.find_first_of("eE");
        const bool tiny =
            e != std::string_view::npos && number.find('-', e) != std::string_view::npos;
        return tiny ? (negative ? -0.0 : 0.0) : (negative ? -HUGE_VAL : HUGE_VAL);
    }
    (void)end;
    return value;
}

std::string ToString(std::int64_t value) {
    return std::to_string(value);
}

std::string TextEncoding::Chr(std::int64_t codePoint) const {
    std::string out;
    const bool scalar = codePoint >= 0 && codePoint <= 0x10FFFF;
    utf8::Append(out, scalar ? static_cast<long>(codePoint) : -1);
    return out;
}

}  // namespace fw
