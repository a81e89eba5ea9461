#pragma once
// Rectangles: the framework's integer Rect and the rectangle of doubles that window
// frames use. Both have a top-left origin with y growing downwards.

#include <cstdint>

namespace fw {

struct RectD {
    double Left{0};
    double Top{0};
    double Width{0};
    double Height{0};

    constexpr double Right() const { return Left + Width; }
    constexpr double Bottom() const { return Top + Height; }

    constexpr bool operator==(const RectD&) const = default;
};

struct Rect {
    std::int64_t Left{0};
    std::int64_t Top{0};
    std::int64_t Width{0};
    std::int64_t Height{0};

    constexpr std::int64_t Right() const { return Left + Width; }
    constexpr std::int64_t Bottom() const { return Top + Height; }

    // The same rectangle in doubles, as Window.Bounds takes it.
    constexpr RectD ToRectD() const {
        return RectD{static_cast<double>(Left), static_cast<double>(Top),
                     static_cast<double>(Width), static_cast<double>(Height)};
    }

    constexpr bool operator==(const Rect&) const = default;
};

}  // namespace fw
