#include "framework/Picture.h"

#include <gtest/gtest.h>

#include "framework/Graphics.h"
#include "framework/PixelBuffer.h"
#include "framework/RuntimeException.h"

namespace fw {
namespace {

std::string SizeError(std::int64_t width, std::int64_t height) {
    try {
        New<Picture>(width, height);
    } catch (const OutOfBoundsException& e) {
        return e.Message;
    }
    return "no exception";
}

TEST(Picture, SizesOutsideTheRangeRaiseOutOfBounds) {
    const std::string message = "Width/Height needs to be in the range 1-32767";
    EXPECT_EQ(SizeError(0, 16), message);
    EXPECT_EQ(SizeError(16, 0), message);
    EXPECT_EQ(SizeError(-1, 16), message);
    EXPECT_EQ(SizeError(32768, 1), message);
    EXPECT_EQ(SizeError(1, 32768), message);
    // The double-resolution picture of a large icon size passes the limit.
    EXPECT_EQ(SizeError(2 * 16384, 2 * 16384), message);
}

TEST(Picture, SizesAtTheEdgesOfTheRangeAreAccepted) {
    auto tiny = New<Picture>(1, 1);
    EXPECT_EQ(tiny->Width(), 1);
    auto tall = New<Picture>(1, 32767);
    EXPECT_EQ(tall->Height(), 32767);
    EXPECT_EQ(tall->RGBA().size(), 32767u * 4u);
}

TEST(Picture, StartsFullyTransparent) {
    auto picture = New<Picture>(3, 2);
    ASSERT_TRUE(picture->HasPixels());
    for (std::int64_t y = 0; y < 2; ++y) {
        for (std::int64_t x = 0; x < 3; ++x) {
            EXPECT_EQ(picture->Pixel(x, y).Alpha(), 255);
        }
    }
    for (auto byte : picture->RGBA()) {
        EXPECT_EQ(byte, 0);
    }
    EXPECT_THROW(picture->Pixel(3, 0), OutOfBoundsException);
    EXPECT_THROW(picture->Pixel(0, -1), OutOfBoundsException);
}

TEST(Picture, GraphicsIsTheSameObjectAndCoversThePicture) {
    auto picture = New<Picture>(16, 8);
    auto g = picture->Graphics();
    ASSERT_TRUE(g);
    EXPECT_TRUE(g == picture->Graphics());
    EXPECT_EQ(g->Width(), 16.0);
    EXPECT_EQ(g->Height(), 8.0);
}

TEST(Picture, RepresentationsAreKeptInOrder) {
    auto normal = New<Picture>(16, 16);
    auto retina = New<Picture>(32, 32);
    auto icon = New<Picture>(16, 16, std::vector<Ref<Picture>>{normal, retina});
    EXPECT_EQ(icon->Width(), 16);
    EXPECT_EQ(icon->Height(), 16);
    ASSERT_EQ(icon->ImageCount(), 2);
    EXPECT_TRUE(icon->IndexedImage(0) == normal);
    EXPECT_TRUE(icon->IndexedImage(1) == retina);
    EXPECT_THROW(icon->IndexedImage(2), OutOfBoundsException);
    EXPECT_THROW(icon->IndexedImage(-1), OutOfBoundsException);
    // No pixels of its own: nothing to draw into.
    EXPECT_FALSE(icon->HasPixels());
    EXPECT_TRUE(icon->Graphics().IsNil());
    EXPECT_TRUE(icon->RGBA().empty());
    EXPECT_THROW(icon->Pixel(0, 0), NilObjectException);
}

TEST(Picture, BestRepresentationFollowsTheScale) {
    auto normal = New<Picture>(16, 16);
    auto retina = New<Picture>(32, 32);
    // Given largest first, to show the choice is by size and not by position.
    auto icon = New<Picture>(16, 16, std::vector<Ref<Picture>>{retina, normal});
    EXPECT_TRUE(icon->BestRepresentation(1.0) == normal);
    EXPECT_TRUE(icon->BestRepresentation(1.5) == retina);
    EXPECT_TRUE(icon->BestRepresentation(2.0) == retina);
    EXPECT_TRUE(icon->BestRepresentation(3.0) == retina);
    EXPECT_TRUE(icon->BestRepresentation(0.0) == normal);
    EXPECT_TRUE(normal->BestRepresentation(2.0) == normal);
}

TEST(Picture, MultiResolutionConstructorChecksItsArguments) {
    auto normal = New<Picture>(16, 16);
    EXPECT_THROW(New<Picture>(0, 16, std::vector<Ref<Picture>>{normal}), OutOfBoundsException);
    EXPECT_THROW(New<Picture>(16, 16, std::vector<Ref<Picture>>{}), OutOfBoundsException);
    EXPECT_THROW(New<Picture>(16, 16, std::vector<Ref<Picture>>{normal, nullptr}),
                 NilObjectException);
}

TEST(Picture, GraphicsOutlivesItsPicture) {
    Ref<Graphics> g;
    {
        auto picture = New<Picture>(4, 4);
        g = picture->Graphics();
    }
    g->SetForeColor(Color(0x00FF0000));
    g->FillRect(0, 0, 4, 4);
    g->DrawLine(0, 0, 3, 3);
    EXPECT_EQ(g->Pixels()->Pixel(1, 1), Color(0x00FF0000));
    EXPECT_NE(g->Handle(Graphics::kHandleDrawingContext), nullptr);
}

}  // namespace
}  // namespace fw
