#pragma once
// A picture with an alpha channel, or one picture made of several resolutions.

#include <cstdint>
#include <memory>
#include <vector>

#include "Color.h"
#include "Object.h"

namespace fw {

class Graphics;
class PixelBuffer;

class Picture : public Object {
public:
    static constexpr std::int64_t kMaxSize = 32767;

    // A fully transparent width x height picture. Either size outside 1..32767 raises
    // OutOfBoundsException "Width/Height needs to be in the range 1-32767".
    Picture(std::int64_t width, std::int64_t height);
    // A picture of width x height points whose pixels come from the representations,
    // kept in the order given (normally 1x, then 2x). It has no pixels of its own.
    // Sizes are checked as above; an empty list raises OutOfBoundsException and a Nil
    // representation NilObjectException.
    Picture(std::int64_t width, std::int64_t height, std::vector<Ref<Picture>> representations);
    ~Picture() override;

    std::string ClassName() const override { return "Picture"; }

    std::int64_t Width() const { return width_; }
    std::int64_t Height() const { return height_; }

    // The picture's drawing surface, the same object on every call and kept by the
    // picture, so its Handle(5) context stays valid while the picture lives; Nil for a
    // picture with several resolutions.
    Ref<fw::Graphics> Graphics();

    // The number of representations: 0 for a plain picture.
    std::int64_t ImageCount() const { return static_cast<std::int64_t>(representations_.size()); }
    // Representation index (from 0); OutOfBoundsException outside 0..ImageCount()-1.
    Ref<Picture> IndexedImage(std::int64_t index) const;
    // The representation to draw at a display scale factor: the smallest one at least
    // Width() * scale wide, else the widest. A plain picture answers itself.
    Ref<Picture> BestRepresentation(double scale);

    // Whether the picture has pixels of its own (false for several resolutions).
    bool HasPixels() const { return pixels_ != nullptr; }
    // The pixel at (x, y). NilObjectException for a picture without pixels of its own,
    // OutOfBoundsException outside the picture.
    Color Pixel(std::int64_t x, std::int64_t y) const;
    // The raw pixels, row by row from the top: straight (not premultiplied) R, G, B, A
    // bytes, alpha 255 opaque, as QImage::Format_RGBA8888. Empty without pixels.
    const std::vector<std::uint8_t>& RGBA() const;
    // The shared pixel storage (null without pixels of its own).
    const std::shared_ptr<PixelBuffer>& Pixels() const { return pixels_; }

private:
    std::int64_t width_;
    std::int64_t height_;
    std::shared_ptr<PixelBuffer> pixels_;
    std::vector<Ref<Picture>> representations_;
    Ref<fw::Graphics> graphics_;
};

}  // namespace fw
