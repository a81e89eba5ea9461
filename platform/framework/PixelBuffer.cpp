#include "framework/PixelBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "framework/RuntimeException.h"

namespace fw {

namespace {

std::uint8_t ToByte(double unit) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(unit, 0.0, 1.0) * 255.0));
}

}  // namespace

PixelBuffer::PixelBuffer(std::int64_t width, std::int64_t height)
    : width_(std::max<std::int64_t>(width, 0)),
      height_(std::max<std::int64_t>(height, 0)),
      bytes_(static_cast<std::size_t>(width_ * height_ * 4), 0) {}

Color PixelBuffer::Pixel(std::int64_t x, std::int64_t y) const {
    if (!Contains(x, y)) {
        throw OutOfBoundsException("Pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                                   ") lies outside the picture");
    }
    const std::uint8_t* p = &bytes_[static_cast<std::size_t>((y * width_ + x) * 4)];
    return Color(p[0], p[1], p[2], static_cast<std::uint8_t>(255 - p[3]));
}

void PixelBuffer::Blend(std::int64_t x, std::int64_t y, std::uint8_t red, std::uint8_t green,
                        std::uint8_t blue, std::uint8_t opacity) {
    if (opacity == 0) {
        return;
    }
    const double a = opacity / 255.0;
    BlendPremultiplied(x, y, red / 255.0 * a, green / 255.0 * a, blue / 255.0 * a, a);
}

void PixelBuffer::BlendPremultiplied(std::int64_t x, std::int64_t y, double red, double green,
                                     double blue, double opacity) {
    if (!Contains(x, y) || !(opacity > 0.0)) {
        return;
    }
    std::uint8_t* p = &bytes_[static_cast<std::size_t>((y * width_ + x) * 4)];
    const double keep = (p[3] / 255.0) * (1.0 - opacity);
    const double outAlpha = opacity + keep;
    const double source[3] = {red, green, blue};
    for (int i = 0; i < 3; ++i) {
        p[i] = ToByte((source[i] + p[i] / 255.0 * keep) / outAlpha);
    }
    p[3] = ToByte(outAlpha);
}

}  // namespace fw
