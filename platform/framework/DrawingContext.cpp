#include "framework/DrawingContext.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "framework/PixelBuffer.h"

namespace fw {

namespace {

// The first surface pixel whose centre is at or after the coordinate, in [0, limit].
std::int64_t CentreIndex(double coordinate, std::int64_t limit) {
    return static_cast<std::int64_t>(
        std::clamp(std::ceil(coordinate - 0.5), 0.0, static_cast<double>(limit)));
}

}  // namespace

DrawingContext::DrawingContext(std::shared_ptr<PixelBuffer> pixels) : pixels_(std::move(pixels)) {}

std::int64_t DrawingContext::Width() const {
    return pixels_->Width();
}

std::int64_t DrawingContext::Height() const {
    return pixels_->Height();
}

void DrawingContext::DrawImage(const RectD& destination, std::int64_t imageWidth,
                               std::int64_t imageHeight, std::span<const std::uint8_t> rgba) {
    if (imageWidth <= 0 || imageHeight <= 0 ||
        static_cast<std::uint64_t>(imageWidth) >
            rgba.size() / 4 / static_cast<std::uint64_t>(imageHeight)) {
        return;
    }
    const RectD& d = destination;
    if (!std::isfinite(d.Left) || !std::isfinite(d.Top) || !std::isfinite(d.Width) ||
        !std::isfinite(d.Height) || !(d.Width > 0.0) || !(d.Height > 0.0)) {
        return;
    }
    if (d.Width == static_cast<double>(imageWidth) &&
        d.Height == static_cast<double>(imageHeight) && std::abs(d.Left) < 1e9 &&
        std::abs(d.Top) < 1e9 && d.Left == std::trunc(d.Left) && d.Top == std::trunc(d.Top)) {
        DrawImageUnscaled(static_cast<std::int64_t>(d.Left), static_cast<std::int64_t>(d.Top),
                          imageWidth, imageHeight, rgba);
        return;
    }
    const double scaleX = static_cast<double>(imageWidth) / d.Width;
    const double scaleY = static_cast<double>(imageHeight) / d.Height;
    const std::int64_t left = CentreIndex(d.Left, pixels_->Width());
    const std::int64_t right = CentreIndex(d.Right(), pixels_->Width());
    const std::int64_t top = CentreIndex(d.Top, pixels_->Height());
    const std::int64_t bottom = CentreIndex(d.Bottom(), pixels_->Height());

    for (std::int64_t py = top; py < bottom; ++py) {
        // The stretch of image rows that this surface row covers.
        const double v0 = std::clamp((py - d.Top) * scaleY, 0.0, double(imageHeight));
        const double v1 = std::clamp((py + 1 - d.Top) * scaleY, 0.0, double(imageHeight));
        for (std::int64_t px = left; px < right; ++px) {
            const double u0 = std::clamp((px - d.Left) * scaleX, 0.0, double(imageWidth));
            const double u1 = std::clamp((px + 1 - d.Left) * scaleX, 0.0, double(imageWidth));
            double sum[4] = {0, 0, 0, 0};
            double weight = 0.0;
            const auto lastRow = std::min(static_cast<std::int64_t>(std::ceil(v1)), imageHeight);
            const auto lastColumn = std::min(static_cast<std::int64_t>(std::ceil(u1)), imageWidth);
            for (auto iy = static_cast<std::int64_t>(v0); iy < lastRow; ++iy) {
                const double wy = std::min(iy + 1.0, v1) - std::max(double(iy), v0);
                if (wy <= 0.0) {
                    continue;
                }
                for (auto ix = static_cast<std::int64_t>(u0); ix < lastColumn; ++ix) {
                    const double wx = std::min(ix + 1.0, u1) - std::max(double(ix), u0);
                    if (wx <= 0.0) {
                        continue;
                    }
                    const std::uint8_t* p =
                        &rgba[static_cast<std::size_t>((iy * imageWidth + ix) * 4)];
                    const double w = wx * wy;
                    const double alpha = p[3] / 255.0;
                    sum[0] += w * alpha * p[0] / 255.0;
                    sum[1] += w * alpha * p[1] / 255.0;
                    sum[2] += w * alpha * p[2] / 255.0;
                    sum[3] += w * alpha;
                    weight += w;
                }
            }
            if (weight > 0.0) {
                pixels_->BlendPremultiplied(px, py, sum[0] / weight, sum[1] / weight,
                                            sum[2] / weight, sum[3] / weight);
            }
        }
    }
}

void DrawingContext::DrawImageUnscaled(std::int64_t left, std::int64_t top, std::int64_t imageWidth,
                                       std::int64_t imageHeight,
                                       std::span<const std::uint8_t> rgba) {
    // One image pixel per surface pixel (file icons at their own size): the same result
    // as the general path, without its per-pixel area weights.
    const std::int64_t firstRow = std::max<std::int64_t>(0, -top);
    const std::int64_t lastRow = std::min(imageHeight, pixels_->Height() - top);
    const std::int64_t firstColumn = std::max<std::int64_t>(0, -left);
    const std::int64_t lastColumn = std::min(imageWidth, pixels_->Width() - left);
    for (std::int64_t iy = firstRow; iy < lastRow; ++iy) {
        for (std::int64_t ix = firstColumn; ix < lastColumn; ++ix) {
            const std::uint8_t* p = &rgba[static_cast<std::size_t>((iy * imageWidth + ix) * 4)];
            const double alpha = p[3] / 255.0;
            pixels_->BlendPremultiplied(left + ix, top + iy, alpha * p[0] / 255.0,
                                        alpha * p[1] / 255.0, alpha * p[2] / 255.0, alpha);
        }
    }
}

}  // namespace fw
