#include "framework/DrawingContext.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/Graphics.h"
#include "framework/Picture.h"

namespace fw {
namespace {

using Bytes = std::vector<std::uint8_t>;

// An image of the given straight RGBA pixels (0xRRGGBBAA each), row by row.
Bytes Image(std::initializer_list<std::uint32_t> pixels) {
    Bytes bytes;
    for (auto p : pixels) {
        bytes.push_back(static_cast<std::uint8_t>(p >> 24));
        bytes.push_back(static_cast<std::uint8_t>(p >> 16));
        bytes.push_back(static_cast<std::uint8_t>(p >> 8));
        bytes.push_back(static_cast<std::uint8_t>(p));
    }
    return bytes;
}

// The context of a picture's graphics, reached the way the icon code reaches it.
DrawingContext& ContextOf(const Ref<Picture>& picture) {
    return *static_cast<DrawingContext*>(picture->Graphics()->Handle(5));
}

const Color kRed(255, 0, 0);
const Color kGreen(0, 255, 0);
const Color kBlue(0, 0, 255);
const Color kWhite(255, 255, 255);
const Color kClear(0xFF000000);

TEST(DrawingContext, ScalesAnImageUpIntoTheWholePicture) {
    auto picture = New<Picture>(4, 4);
    const Bytes image = Image({0xFF0000FF, 0x00FF00FF, 0x0000FFFF, 0xFFFFFFFF});
    ContextOf(picture).DrawImage(RectD{0, 0, 4, 4}, 2, 2, image);
    // Upright: the image's first row lands at the top.
    EXPECT_EQ(picture->Pixel(0, 0), kRed);
    EXPECT_EQ(picture->Pixel(1, 1), kRed);
    EXPECT_EQ(picture->Pixel(3, 0), kGreen);
    EXPECT_EQ(picture->Pixel(0, 3), kBlue);
    EXPECT_EQ(picture->Pixel(2, 2), kWhite);
    EXPECT_EQ(picture->Pixel(3, 3), kWhite);
}

TEST(DrawingContext, ScalesDownByAveragingTheCoveredPixels) {
    auto picture = New<Picture>(2, 1);
    // Black and white columns: each surface pixel covers one of each.
    const Bytes image = Image({0x000000FF, 0xFFFFFFFF, 0x000000FF, 0xFFFFFFFF});
    ContextOf(picture).DrawImage(RectD{0, 0, 2, 1}, 4, 1, image);
    EXPECT_EQ(picture->Pixel(0, 0), Color(128, 128, 128));
    EXPECT_EQ(picture->Pixel(1, 0), Color(128, 128, 128));
}

TEST(DrawingContext, TransparentImagePixelsDoNotDarkenTheAverage) {
    auto picture = New<Picture>(1, 1);
    // One opaque red pixel and one fully transparent black one.
    ContextOf(picture).DrawImage(RectD{0, 0, 1, 1}, 2, 1, Image({0xFF0000FF, 0x00000000}));
    EXPECT_EQ(picture->Pixel(0, 0), Color(255, 0, 0, 127));
}

TEST(DrawingContext, DrawsSourceOverWhatIsThere) {
    auto picture = New<Picture>(1, 1);
    auto g = picture->Graphics();
    g->SetForeColor(Color(0x00000000));
    g->FillRect(0, 0, 1, 1);
    ContextOf(picture).DrawImage(RectD{0, 0, 1, 1}, 1, 1, Image({0xFFFFFF80}));
    EXPECT_EQ(picture->Pixel(0, 0), Color(128, 128, 128));
    ContextOf(picture).DrawImage(RectD{0, 0, 1, 1}, 1, 1, Image({0x12345600}));
    EXPECT_EQ(picture->Pixel(0, 0), Color(128, 128, 128));
}

TEST(DrawingContext, DrawsIntoPartOfThePictureAndClips) {
    auto inner = New<Picture>(4, 4);
    ContextOf(inner).DrawImage(RectD{1, 1, 2, 2}, 1, 1, Image({0xFF0000FF}));
    for (std::int64_t y = 0; y < 4; ++y) {
        for (std::int64_t x = 0; x < 4; ++x) {
            const bool inside = x >= 1 && x <= 2 && y >= 1 && y <= 2;
            EXPECT_EQ(inner->Pixel(x, y), inside ? kRed : kClear) << x << "," << y;
        }
    }

    // Only the image's bottom-right quarter lies on the surface.
    auto shifted = New<Picture>(4, 4);
    const Bytes image = Image({0xFF0000FF, 0x00FF00FF, 0x0000FFFF, 0xFFFFFFFF});
    ContextOf(shifted).DrawImage(RectD{-2, -2, 4, 4}, 2, 2, image);
    EXPECT_EQ(shifted->Pixel(0, 0), kWhite);
    EXPECT_EQ(shifted->Pixel(1, 1), kWhite);
    EXPECT_EQ(shifted->Pixel(2, 0), kClear);
    EXPECT_EQ(shifted->Pixel(0, 2), kClear);
}

TEST(DrawingContext, BadImagesAndRectanglesDrawNothing) {
    auto picture = New<Picture>(2, 2);
    auto& context = ContextOf(picture);
    const Bytes one = Image({0xFF0000FF});
    context.DrawImage(RectD{0, 0, 2, 2}, 2, 2, one);  // buffer shorter than 2 x 2
    context.DrawImage(RectD{0, 0, 2, 2}, 0, 1, one);
    context.DrawImage(RectD{0, 0, 2, 2}, 1, -1, one);
    context.DrawImage(RectD{0, 0, 0, 2}, 1, 1, one);
    context.DrawImage(RectD{0, 0, 2, -2}, 1, 1, one);
    context.DrawImage(RectD{5, 5, 2, 2}, 1, 1, one);
    context.DrawImage(RectD{0, 0, std::numeric_limits<double>::infinity(), 2}, 1, 1, one);
    for (auto byte : picture->RGBA()) {
        EXPECT_EQ(byte, 0);
    }
}

TEST(DrawingContext, IconPicturesAtTwoScalesShareOneImage) {
    // What the icon code does: one image, drawn into a 16 and a 32 pixel picture.
    std::vector<std::uint8_t> image;
    for (int i = 0; i < 64 * 64; ++i) {
        const std::uint8_t alpha = (i % 64) < 32 ? 255 : 0;
        image.insert(image.end(), {10, 20, 30, alpha});
    }
    std::vector<Ref<Picture>> representations;
    for (int k = 1; k <= 2; ++k) {
        auto picture = New<Picture>(16 * k, 16 * k);
        ContextOf(picture).DrawImage(RectD{0, 0, 16.0 * k, 16.0 * k}, 64, 64, image);
        representations.push_back(picture);
    }
    auto icon = New<Picture>(16, 16, representations);
    ASSERT_EQ(icon->ImageCount(), 2);
    EXPECT_EQ(icon->IndexedImage(0)->Pixel(0, 15), Color(10, 20, 30));
    EXPECT_EQ(icon->IndexedImage(0)->Pixel(15, 0), kClear);
    EXPECT_EQ(icon->IndexedImage(1)->Pixel(15, 31), Color(10, 20, 30));
    EXPECT_EQ(icon->IndexedImage(1)->Pixel(16, 31), kClear);
}

}  // namespace
}  // namespace fw
