#pragma once
// CoreGraphics images and drawing them into the drawing context that
// fw::Graphics::Handle(fw::Graphics::kHandleDrawingContext) gives.

#include "cocoa/Runtime.h"
#include "framework/Backend.h"

namespace cocoa {

// An untyped drawing context: what Graphics.Handle(5) returns (an fw::DrawingContext*).
using CGContextRef = void*;
// An image object as CGImageForProposedRect:context:hints: returns it.
using CGImageRef = id;

class CGImageObject final : public Object {
public:
    CGImageObject(Class* isa, fw::RgbaImage image) : Object(isa), image_(std::move(image)) {}
    const fw::RgbaImage& Image() const { return image_; }

private:
    fw::RgbaImage image_;
};

// Draws image scaled into rect. As in CoreGraphics, rect's origin counts from the
// context's bottom-left corner. A nil context or image draws nothing; an object that
// is no image raises InvalidArgumentException.
void CGContextDrawImage(CGContextRef context, CGRect rect, CGImageRef image);

}  // namespace cocoa
