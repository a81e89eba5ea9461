#pragma once
// The framework's colour: a 32-bit value 0xTTRRGGBB. The top byte is transparency,
// 0 fully opaque and 255 fully transparent; red, green and blue follow, a byte each.

#include <cstdint>

namespace fw {

class Color {
public:
    // Opaque black.
    constexpr Color() = default;
    // The raw 0xTTRRGGBB value.
    constexpr explicit Color(std::uint32_t value) : value_(value) {}
    constexpr Color(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                    std::uint8_t transparency = 0)
        : value_(static_cast<std::uint32_t>(transparency) << 24 |
                 static_cast<std::uint32_t>(red) << 16 | static_cast<std::uint32_t>(green) << 8 |
                 blue) {}

    constexpr std::uint32_t Value() const { return value_; }
    constexpr std::uint8_t Red() const { return (value_ >> 16) & 0xFF; }
    constexpr std::uint8_t Green() const { return (value_ >> 8) & 0xFF; }
    constexpr std::uint8_t Blue() const { return value_ & 0xFF; }
    // The transparency byte (0 opaque, 255 fully transparent), not an opacity.
    constexpr std::uint8_t Alpha() const { return value_ >> 24; }

    constexpr bool operator==(const Color&) const = default;

private:
    std::uint32_t value_{0};
};

}  // namespace fw
