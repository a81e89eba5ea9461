#include "cocoa/CoreGraphics.h"

#include "framework/DrawingContext.h"

namespace cocoa {

void CGContextDrawImage(CGContextRef context, CGRect rect, CGImageRef image) {
    if (context == nullptr || image == nullptr) {
        return;
    }
    if (image->IsClass() || !image->Isa()->IsSubclassOf(&ClassNamed("CGImage"))) {
        throw InvalidArgumentException("CGContextDrawImage: " + object_getClassName(image) +
                                       " is no image");
    }
    auto& drawing = *static_cast<fw::DrawingContext*>(context);
    const fw::RgbaImage& pixels = static_cast<const CGImageObject&>(*image).Image();
    // The context's origin is at the top; a CoreGraphics rectangle's at the bottom.
    const double top = static_cast<double>(drawing.Height()) - rect.y - rect.height;
    drawing.DrawImage(fw::RectD{rect.x, top, rect.width, rect.height}, pixels.Width, pixels.Height,
                      pixels.Pixels);
}

}  // namespace cocoa
