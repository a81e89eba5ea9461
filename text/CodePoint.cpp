#include "text/CodePoint.h"

#include <cmath>
#include <cstdint>

#include "framework/Strings.h"

namespace CodePoint {

std::string Decode(const std::string& hex) {
    if (fw::LenB(hex) > 5) {
        return {};
    }
    const double value = fw::Val("&h" + hex);
    // Whatever Val makes of text that is no hex number, the cast must stay defined;
    // anything out of range becomes U+FFFD through Chr.
    const bool inRange = std::fabs(value) < 1e15;
    return fw::Encodings::UTF8.Chr(inRange ? static_cast<std::int64_t>(value) : -1);
}

}  // namespace CodePoint
