#include "framework/Graphics.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <utility>

#include "framework/DrawingContext.h"
#include "framework/Picture.h"

namespace fw {
namespace {

using Points = std::set<std::pair<std::int64_t, std::int64_t>>;

// The pixels that are not fully transparent.
Points Painted(const Ref<Picture>& picture) {
    Points painted;
    for (std::int64_t y = 0; y < picture->Height(); ++y) {
        for (std::int64_t x = 0; x < picture->Width(); ++x) {
            if (picture->Pixel(x, y).Alpha() != 255) {
                painted.insert({x, y});
            }
        }
    }
    return painted;
}

Ref<Graphics> Pen(const Ref<Picture>& picture, Color color) {
    auto g = picture->Graphics();
    g->SetForeColor(color);
    return g;
}

TEST(Graphics, ForeColorStartsOpaqueBlack) {
    auto picture = New<Picture>(2, 2);
    EXPECT_EQ(picture->Graphics()->ForeColor(), Color(0x00000000));
}

TEST(Graphics, FillRectPaintsThePixelsInside) {
    auto picture = New<Picture>(4, 4);
    Pen(picture, Color(0x00102030))->FillRect(1, 1, 2, 2);
    EXPECT_EQ(Painted(picture), (Points{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
    EXPECT_EQ(picture->Pixel(2, 2), Color(0x00102030));
    // The raw bytes are straight RGBA with alpha as opacity.
    const auto& bytes = picture->RGBA();
    const std::size_t at = (1 * 4 + 1) * 4;
    EXPECT_EQ(bytes[at + 0], 0x10);
    EXPECT_EQ(bytes[at + 1], 0x20);
    EXPECT_EQ(bytes[at + 2], 0x30);
    EXPECT_EQ(bytes[at + 3], 255);
}

TEST(Graphics, FillRectTakesPixelsWhoseCentresLieInside) {
    auto picture = New<Picture>(4, 4);
    Pen(picture, Color(0x00FFFFFF))->FillRect(0.4, 0.6, 1.2, 1.0);
    EXPECT_EQ(Painted(picture), (Points{{0, 1}, {1, 1}}));
}

TEST(Graphics, FillRectIsClippedToTheSurface) {
    auto picture = New<Picture>(3, 2);
    auto g = Pen(picture, Color(0x00FFFFFF));
    g->FillRect(-5, -5, 100, 100);
    EXPECT_EQ(Painted(picture).size(), 6u);

    auto other = New<Picture>(3, 2);
    auto h = Pen(other, Color(0x00FFFFFF));
    h->FillRect(2, 1, 50, 50);
    EXPECT_EQ(Painted(other), (Points{{2, 1}}));
    h->FillRect(3, 0, 1, 1);
    h->FillRect(-1, 0, 1, 1);
    EXPECT_EQ(Painted(other), (Points{{2, 1}}));
}

TEST(Graphics, FillRectWithoutAreaOrWithoutFiniteValuesPaintsNothing) {
    auto picture = New<Picture>(4, 4);
    auto g = Pen(picture, Color(0x00FFFFFF));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    g->FillRect(0, 0, 0, 4);
    g->FillRect(0, 0, 4, -1);
    g->FillRect(3, 3, -2, -2);
    g->FillRect(nan, 0, 2, 2);
    g->FillRect(0, 0, inf, 2);
    g->FillRect(-inf, 0, inf, 2);
    EXPECT_TRUE(Painted(picture).empty());
}

TEST(Graphics, TransparentStripeBlendsOverTheEvenRowColour) {
    // The list's odd-row stripe, 0xF3FFFFFF, over the light and the dark even-row colours.
    auto picture = New<Picture>(2, 1);
    auto g = picture->Graphics();
    g->SetForeColor(Color(0x00F1F2F2));
    g->FillRect(0, 0, 1, 1);
    g->SetForeColor(Color(0x00161616));
    g->FillRect(1, 0, 1, 1);
    g->SetForeColor(Color(0xF3FFFFFF));
    g->FillRect(0, 0, g->Width(), g->Height());
    EXPECT_EQ(picture->Pixel(0, 0), Color(242, 243, 243));
    EXPECT_EQ(picture->Pixel(1, 0), Color(33, 33, 33));
}

TEST(Graphics, TransparentColourOverNothingKeepsItsTransparency) {
    auto picture = New<Picture>(1, 1);
    Pen(picture, Color(0xF3FFFFFF))->FillRect(0, 0, 1, 1);
    EXPECT_EQ(picture->Pixel(0, 0), Color(0xF3FFFFFF));
    // Fully transparent paint changes nothing.
    Pen(picture, Color(0xFF000000))->FillRect(0, 0, 1, 1);
    EXPECT_EQ(picture->Pixel(0, 0), Color(0xF3FFFFFF));
}

TEST(Graphics, HorizontalLineFillsOneRowAcrossTheWidth) {
    // The window's separator: DrawLine(0, 47, Width, 47).
    auto picture = New<Picture>(460, 60);
    auto g = Pen(picture, Color(0x00C9C9C9));
    g->DrawLine(0, 47, g->Width(), 47);
    const Points painted = Painted(picture);
    EXPECT_EQ(painted.size(), 460u);
    for (const auto& [x, y] : painted) {
        EXPECT_EQ(y, 47);
    }
    EXPECT_EQ(picture->Pixel(0, 47), Color(0x00C9C9C9));
    EXPECT_EQ(picture->Pixel(459, 47), Color(0x00C9C9C9));
}

TEST(Graphics, LinesIncludeBothEndsInEitherDirection) {
    auto forward = New<Picture>(5, 5);
    Pen(forward, Color(0x00FFFFFF))->DrawLine(0, 0, 3, 3);
    EXPECT_EQ(Painted(forward), (Points{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));

    auto backward = New<Picture>(5, 5);
    Pen(backward, Color(0x00FFFFFF))->DrawLine(4, 3, 4, 1);
    EXPECT_EQ(Painted(backward), (Points{{4, 1}, {4, 2}, {4, 3}}));

    auto dot = New<Picture>(5, 5);
    Pen(dot, Color(0x00FFFFFF))->DrawLine(2.5, 2.5, 2.5, 2.5);
    EXPECT_EQ(Painted(dot), (Points{{2, 2}}));
}

TEST(Graphics, LinesAreClippedAndFarEndsDoNotHang) {
    auto picture = New<Picture>(10, 4);
    auto g = Pen(picture, Color(0x00FFFFFF));
    g->DrawLine(-100, 2, 1000, 2);
    EXPECT_EQ(Painted(picture).size(), 10u);
    g->DrawLine(-1e300, 1, 1e300, 1);
    EXPECT_EQ(Painted(picture).size(), 20u);

    const Points diagonal{{0, 0}, {1, 1}, {2, 2}, {3, 3}};
    auto near = New<Picture>(4, 4);
    Pen(near, Color(0x00FFFFFF))->DrawLine(-2, -2, 6, 6);
    EXPECT_EQ(Painted(near), diagonal);
    // Far-off ends are cut first: the line may wobble by a pixel but crosses once.
    auto far = New<Picture>(4, 4);
    Pen(far, Color(0x00FFFFFF))->DrawLine(-1e12, -1e12, 1e12, 1e12);
    const Points farPainted = Painted(far);
    EXPECT_EQ(farPainted.size(), 4u);
    EXPECT_TRUE(farPainted.contains({0, 0}));

    auto outside = New<Picture>(10, 4);
    auto h = Pen(outside, Color(0x00FFFFFF));
    h->DrawLine(0, -5, 9, -5);
    h->DrawLine(11, 0, 11, 3);
    h->DrawLine(std::numeric_limits<double>::quiet_NaN(), 0, 3, 3);
    EXPECT_TRUE(Painted(outside).empty());
}

TEST(Graphics, TranslucentLineBlendsEachPixelOnce) {
    auto picture = New<Picture>(5, 5);
    auto g = Pen(picture, Color(0x00000000));
    g->FillRect(0, 0, 5, 5);
    g->SetForeColor(Color(0x7FFFFFFF));
    g->DrawLine(0, 0, 4, 2);
    // Opacity 128 of white over black, once: 128.
    EXPECT_EQ(picture->Pixel(0, 0), Color(128, 128, 128));
    EXPECT_EQ(picture->Pixel(4, 2), Color(128, 128, 128));
}

TEST(Graphics, HandleFiveGivesTheDrawingContextAndOtherCodesNothing) {
    auto picture = New<Picture>(8, 6);
    void* handle = picture->Graphics()->Handle(5);
    ASSERT_NE(handle, nullptr);
    // Asked through a fresh reference to the same Graphics: the same context.
    EXPECT_EQ(picture->Graphics()->Handle(Graphics::kHandleDrawingContext), handle);
    auto* context = static_cast<DrawingContext*>(handle);
    EXPECT_EQ(context->Width(), 8);
    EXPECT_EQ(context->Height(), 6);
    for (std::int64_t code : {0, 1, 4, 6, -5}) {
        EXPECT_EQ(picture->Graphics()->Handle(code), nullptr) << code;
    }
}

}  // namespace
}  // namespace fw
