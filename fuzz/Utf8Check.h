#pragma once
// Whether bytes are well-formed UTF-8 (ICU's reading: no surrogates, no overlongs).

#include <unicode/utf8.h>

#include <cstdint>
#include <string_view>

inline bool IsValidUtf8(std::string_view text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t i = 0;
    while (i < length) {
        UChar32 c;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) {
            return false;
        }
    }
    return true;
}
