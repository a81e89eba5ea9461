#pragma once
// The drawing context that Graphics.Handle(5) hands to the Cocoa layer, which draws
// icon images into it for CGContextDrawImage.
//
// Unlike a CoreGraphics context, whose y axis points up, this context keeps the
// framework's top-left origin with y growing downwards, and images are drawn upright.
// A rectangle covering the whole surface means the same in both conventions.

#include <cstdint>
#include <memory>
#include <span>

#include "Rect.h"

namespace fw {

class PixelBuffer;

class DrawingContext {
public:
    explicit DrawingContext(std::shared_ptr<PixelBuffer> pixels);

    std::int64_t Width() const;
    std::int64_t Height() const;

    // Draws an image of imageWidth x imageHeight straight RGBA bytes (row by row from
    // the top, 4 bytes a pixel, alpha 255 opaque) scaled into the destination
    // rectangle, source-over, clipped to the surface. Every surface pixel whose centre
    // lies in the rectangle gets the area average of the image pixels it covers.
    // An empty image, a buffer shorter than its size or a degenerate rectangle draws
    // nothing.
    void DrawImage(const RectD& destination, std::int64_t imageWidth, std::int64_t imageHeight,
                   std::span<const std::uint8_t> rgba);

private:
    void DrawImageUnscaled(std::int64_t left, std::int64_t top, std::int64_t imageWidth,
                           std::int64_t imageHeight, std::span<const std::uint8_t> rgba);

    std::shared_ptr<PixelBuffer> pixels_;
};

}  // namespace fw
