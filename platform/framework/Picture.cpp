#include "framework/Picture.h"

#include <utility>

#include "framework/Graphics.h"
#include "framework/PixelBuffer.h"
#include "framework/RuntimeException.h"

namespace fw {

namespace {

void CheckSize(std::int64_t width, std::int64_t height) {
    if (width < 1 || width > Picture::kMaxSize || height < 1 || height > Picture::kMaxSize) {
        throw OutOfBoundsException("Width/Height needs to be in the range 1-32767");
    }
}

}  // namespace

Picture::Picture(std::int64_t width, std::int64_t height) : width_(width), height_(height) {
    CheckSize(width, height);
    pixels_ = std::make_shared<PixelBuffer>(width, height);
}

Picture::Picture(std::int64_t width, std::int64_t height, std::vector<Ref<Picture>> representations)
    : width_(width), height_(height) {
    CheckSize(width, height);
    if (representations.empty()) {
        throw OutOfBoundsException("A picture needs at least one representation");
    }
    for (const auto& representation : representations) {
        if (!representation) {
            RaiseNilObject();
        }
    }
    representations_ = std::move(representations);
}

Picture::~Picture() = default;

Ref<Graphics> Picture::Graphics() {
    if (!pixels_) {
        return nullptr;
    }
    if (!graphics_) {
        graphics_ = New<fw::Graphics>(pixels_);
    }
    return graphics_;
}

Ref<Picture> Picture::IndexedImage(std::int64_t index) const {
    if (index < 0 || index >= ImageCount()) {
        throw OutOfBoundsException("Image index " + std::to_string(index) + " is out of range");
    }
    return representations_[static_cast<std::size_t>(index)];
}

Ref<Picture> Picture::BestRepresentation(double scale) {
    if (representations_.empty()) {
        return Ref<Picture>(std::static_pointer_cast<Picture>(weak_from_this().lock()));
    }
    if (!(scale > 0.0) || scale > kMaxSize) {
        scale = 1.0;
    }
    const double wanted = static_cast<double>(width_) * scale;
    Ref<Picture> smallestEnough;
    Ref<Picture> widest;
    for (const auto& representation : representations_) {
        const auto width = representation->Width();
        if (width >= wanted && (!smallestEnough || width < smallestEnough->Width())) {
            smallestEnough = representation;
        }
        if (!widest || width > widest->Width()) {
            widest = representation;
        }
    }
    return smallestEnough ? smallestEnough : widest;
}

Color Picture::Pixel(std::int64_t x, std::int64_t y) const {
    if (!pixels_) {
        RaiseNilObject();
    }
    return pixels_->Pixel(x, y);
}

const std::vector<std::uint8_t>& Picture::RGBA() const {
    static const std::vector<std::uint8_t> kNone;
    return pixels_ ? pixels_->Bytes() : kNone;
}

}  // namespace fw
