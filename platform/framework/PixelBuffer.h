#pragma once
// The pixels behind a Picture, shared by the picture, its Graphics and its drawing
// context so that none of them can outlive the memory it draws into.
//
// Layout: rows top to bottom, each Width() * 4 bytes of R, G, B, A; alpha is opacity
// (255 opaque) and the colour bytes are NOT premultiplied. That is byte for byte
// QImage::Format_RGBA8888.

#include <cstdint>
#include <vector>

#include "Color.h"

namespace fw {

class PixelBuffer {
public:
    // Fully transparent pixels. Sizes are taken as given (callers check their range).
    PixelBuffer(std::int64_t width, std::int64_t height);

    std::int64_t Width() const { return width_; }
    std::int64_t Height() const { return height_; }
    bool Contains(std::int64_t x, std::int64_t y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }

    // The pixel as a framework colour (transparency = 255 - alpha); OutOfBoundsException
    // outside the buffer.
    Color Pixel(std::int64_t x, std::int64_t y) const;
    // Source-over of a straight (non-premultiplied) colour with the given opacity
    // (0..255). Pixels outside the buffer are ignored.
    void Blend(std::int64_t x, std::int64_t y, std::uint8_t red, std::uint8_t green,
               std::uint8_t blue, std::uint8_t opacity);
    // Source-over with a colour given as premultiplied doubles in 0..1.
    void BlendPremultiplied(std::int64_t x, std::int64_t y, double red, double green, double blue,
                            double opacity);

private:
    std::int64_t width_;
    std::int64_t height_;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace fw
