#pragma once
// Software drawing into a picture's pixels. Coordinates are doubles in pixels with the
// origin at the top-left corner and y growing downwards; drawing is clipped to the
// surface and blends source-over with the colour's transparency.

#include <cstdint>
#include <memory>

#include "Color.h"
#include "Object.h"

namespace fw {

class DrawingContext;
class PixelBuffer;

class Graphics : public Object {
public:
    // Type code of Handle() that gives the drawing context CGContextDrawImage draws into.
    static constexpr std::int64_t kHandleDrawingContext = 5;

    // Draws into pixels, which it shares: the Graphics stays safe to use after the
    // picture that made it is gone.
    explicit Graphics(std::shared_ptr<PixelBuffer> pixels);
    ~Graphics() override;

    std::string ClassName() const override { return "Graphics"; }

    // The pen and fill colour; opaque black at first.
    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color color) { foreColor_ = color; }

    double Width() const;
    double Height() const;

    // A line one pixel wide from (x1, y1) to (x2, y2), both ends included; the pen
    // fills the pixel below and to the right of each point it passes. A line with a
    // value that is not finite draws nothing.
    void DrawLine(double x1, double y1, double x2, double y2);
    // Fills the pixels whose centres lie inside the rectangle. A size that is not
    // positive, or any value that is not finite, fills nothing.
    void FillRect(double x, double y, double width, double height);

    // Native handles by type code: kHandleDrawingContext (5) gives a DrawingContext*
    // for this surface, valid as long as this Graphics lives; every other code nullptr.
    void* Handle(std::int64_t typeCode);

    const std::shared_ptr<PixelBuffer>& Pixels() const { return pixels_; }

private:
    std::shared_ptr<PixelBuffer> pixels_;
    std::unique_ptr<DrawingContext> context_;
    Color foreColor_{};
};

}  // namespace fw
