#include "framework/Graphics.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "framework/DrawingContext.h"
#include "framework/PixelBuffer.h"

namespace fw {

namespace {

// The a coordinate of the segment's point whose b coordinate is edge. Halved and
// interpolated so that far-off ends neither overflow nor lose an axis-parallel line.
double Along(double a1, double a2, double b1, double b2, double edge) {
    if (a1 == a2) {
        return a1;
    }
    const double t = (edge / 2 - b1 / 2) / (b2 / 2 - b1 / 2);
    return a1 * (1.0 - t) + a2 * t;
}

// Cuts the segment to the box [low, high] on both axes (Cohen-Sutherland); each cut
// end lies exactly on the edge it was cut at. False when nothing of it lies inside.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double lowX, double lowY,
                 double highX, double highY) {
    enum : unsigned { kLeft = 1, kRight = 2, kTop = 4, kBottom = 8 };
    const auto code = [&](double x, double y) {
        return (x < lowX ? kLeft : 0u) | (x > highX ? kRight : 0u) | (y < lowY ? kTop : 0u) |
               (y > highY ? kBottom : 0u);
    };
    for (int round = 0; round < 8; ++round) {
        const unsigned c1 = code(x1, y1);
        const unsigned c2 = code(x2, y2);
        if ((c1 | c2) == 0) {
            return true;
        }
        if ((c1 & c2) != 0) {
            return false;
        }
        const bool first = c1 != 0;
        const unsigned c = first ? c1 : c2;
        double x;
        double y;
        if (c & (kTop | kBottom)) {
            y = (c & kTop) ? lowY : highY;
            x = Along(x1, x2, y1, y2, y);
        } else {
            x = (c & kLeft) ? lowX : highX;
            y = Along(y1, y2, x1, x2, x);
        }
        (first ? x1 : x2) = x;
        (first ? y1 : y2) = y;
    }
    return false;
}

// The first pixel index whose centre is at or after the coordinate, kept in [0, limit].
std::int64_t CentreIndex(double coordinate, std::int64_t limit) {
    return static_cast<std::int64_t>(
        std::clamp(std::ceil(coordinate - 0.5), 0.0, static_cast<double>(limit)));
}

}  // namespace

Graphics::Graphics(std::shared_ptr<PixelBuffer> pixels) : pixels_(std::move(pixels)) {}

Graphics::~Graphics() = default;

double Graphics::Width() const {
    return static_cast<double>(pixels_->Width());
}

double Graphics::Height() const {
    return static_cast<double>(pixels_->Height());
}

void Graphics::DrawLine(double x1, double y1, double x2, double y2) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        return;
    }
    // Ends near the surface are walked as given, so the pixels match the unclipped
    // line exactly; only far-off ends are first cut to a box around the surface, which
    // keeps the walk short.
    const double margin = Width() + Height() + 1024.0;
    if (!ClipSegment(x1, y1, x2, y2, -margin, -margin, Width() + margin, Height() + margin)) {
        return;
    }
    auto x = static_cast<std::int64_t>(std::floor(x1));
    auto y = static_cast<std::int64_t>(std::floor(y1));
    const auto endX = static_cast<std::int64_t>(std::floor(x2));
    const auto endY = static_cast<std::int64_t>(std::floor(y2));
    const std::int64_t dx = std::abs(endX - x);
    const std::int64_t dy = -std::abs(endY - y);
    const std::int64_t stepX = x < endX ? 1 : -1;
    const std::int64_t stepY = y < endY ? 1 : -1;
    std::int64_t error = dx + dy;
    const Color c = foreColor_;
    const auto opacity = static_cast<std::uint8_t>(255 - c.Alpha());
    for (;;) {
        pixels_->Blend(x, y, c.Red(), c.Green(), c.Blue(), opacity);
        if (x == endX && y == endY) {
            break;
        }
        const std::int64_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

void Graphics::FillRect(double x, double y, double width, double height) {
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(width) || !std::isfinite(height) ||
        !(width > 0.0) || !(height > 0.0)) {
        return;
    }
    const std::int64_t left = CentreIndex(x, pixels_->Width());
    const std::int64_t right = CentreIndex(x + width, pixels_->Width());
    const std::int64_t top = CentreIndex(y, pixels_->Height());
    const std::int64_t bottom = CentreIndex(y + height, pixels_->Height());
    const Color c = foreColor_;
    const auto opacity = static_cast<std::uint8_t>(255 - c.Alpha());
    for (std::int64_t row = top; row < bottom; ++row) {
        for (std::int64_t column = left; column < right; ++column) {
            pixels_->Blend(column, row, c.Red(), c.Green(), c.Blue(), opacity);
        }
    }
}

void* Graphics::Handle(std::int64_t typeCode) {
    if (typeCode != kHandleDrawingContext) {
        return nullptr;
    }
    if (!context_) {
        context_ = std::make_unique<DrawingContext>(pixels_);
    }
    return context_.get();
}

}  // namespace fw
