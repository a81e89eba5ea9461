#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include "AppKitFixture.h"

namespace cocoa::test {
namespace {

TEST_F(AppKitTest, SharedApplicationIsOneObject) {
    id a = NSApp();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a, NSApp());
    EXPECT_EQ(object_getClassName(a), "NSApplication");
}

TEST_F(AppKitTest, AboutPanelShowsExecutableNameAndShortVersion) {
    objc_msgSend(NSApp(), S("orderFrontStandardAboutPanel:"), {nil});
    ASSERT_EQ(backend->AboutBoxes().size(), 1u);
    EXPECT_EQ(backend->AboutBoxes()[0].Name, app->ExecutableFile()->Name());
    EXPECT_EQ(backend->AboutBoxes()[0].Version, "3.1.0");
}

TEST_F(AppKitTest, ActivateReachesTheBackend) {
    objc_msgSend(NSApp(), S("activateIgnoringOtherApps:"), {YES});
    EXPECT_EQ(backend->Activations(), 1);
}

TEST_F(AppKitTest, BackendCallsAreRefusedOffTheMainThread) {
    id shared = NSApp();
    bool refused = false;
    std::thread([&] {
        try {
            objc_msgSend(shared, S("activateIgnoringOtherApps:"), {YES});
        } catch (const fw::ThreadAccessingUIException&) {
            refused = true;
        }
    }).join();
    EXPECT_TRUE(refused);
    EXPECT_EQ(backend->Activations(), 0);
}

TEST_F(AppKitTest, WindowTabbingIsSwitchedThroughTheClass) {
    id windowClass = NSClassFromString("NSWindow");
    SEL tabbing = NSSelectorFromString("setAllowsAutomaticWindowTabbing:");
    ASSERT_TRUE(SendBool(windowClass, S("respondsToSelector:"), {tabbing}));
    objc_msgSend(windowClass, tabbing, {NO});
    EXPECT_EQ(backend->TabbingSwitches(), std::vector<bool>{false});
    // It is a class method only.
    EXPECT_FALSE(SendBool(WindowObject(), S("respondsToSelector:"), {tabbing}));
}

TEST_F(AppKitTest, RevealReachesTheBackend) {
    id workspace = SendId(NSClassFromString("NSWorkspace"), S("sharedWorkspace"));
    ASSERT_NE(workspace, nullptr);
    EXPECT_EQ(workspace, SendId(NSClassFromString("NSWorkspace"), S("sharedWorkspace")));
    SEL reveal = S("selectFile:inFileViewerRootedAtPath:");
    std::string missing = "/nonexistent folder/Font \"1\".otf";
    EXPECT_FALSE(SendBool(workspace, reveal, {CFString(missing), CFString("")}));
    std::string present = std::filesystem::temp_directory_path().string();
    EXPECT_TRUE(SendBool(workspace, reveal, {CFString(present), CFString("")}));
    EXPECT_EQ(backend->Reveals(), (std::vector<std::string>{missing, present}));
    // An empty path reveals nothing.
    EXPECT_FALSE(SendBool(workspace, reveal, {CFString(""), CFString("")}));
    EXPECT_EQ(backend->Reveals().size(), 2u);
    EXPECT_THROW(objc_msgSend(workspace, reveal, {nil, nil}), InvalidArgumentException);
}

class IconTest : public AppKitTest {
protected:
    void SetUp() override {
        AppKitTest::SetUp();
        path = std::filesystem::temp_directory_path() /
               ("cocoa-icon-" + std::to_string(::getpid()) + ".otf");
        std::ofstream(path) << "font";
    }
    void TearDown() override { std::filesystem::remove(path); }

    std::filesystem::path path;
};

bool AnyVisiblePixel(const fw::Ref<fw::Picture>& picture) {
    const auto& rgba = picture->RGBA();
    for (std::size_t i = 3; i < rgba.size(); i += 4) {
        if (rgba[i] != 0) {
            return true;
        }
    }
    return false;
}

TEST_F(IconTest, FileIconIsDrawnIntoAPicture) {
    id workspace = SendId(NSClassFromString("NSWorkspace"), S("sharedWorkspace"));
    id image = SendId(workspace, S("iconForFile:"), {CFString(path.string())});
    ASSERT_NE(image, nullptr);
    for (int scale : {1, 2}) {
        auto picture = fw::New<fw::Picture>(16 * scale, 16 * scale);
        ASSERT_FALSE(AnyVisiblePixel(picture));
        CGRect rect{0, 0, 16.0 * scale, 16.0 * scale};
        CGContextRef context = picture->Graphics()->Handle(5);
        id cgImage = SendId(image, S("CGImageForProposedRect:context:hints:"), {&rect, nil, nil});
        ASSERT_NE(cgImage, nullptr);
        CGContextDrawImage(context, rect, cgImage);
        EXPECT_TRUE(AnyVisiblePixel(picture)) << "scale " << scale;
        EXPECT_EQ(rect, (CGRect{0, 0, 16.0 * scale, 16.0 * scale}));
    }
    ASSERT_EQ(backend->IconRequests().size(), 2u);
    EXPECT_EQ(backend->IconRequests()[0].Path, path.string());
    EXPECT_EQ(backend->IconRequests()[0].PixelSize, 16);
    EXPECT_EQ(backend->IconRequests()[1].PixelSize, 32);
}

TEST_F(IconTest, RenditionsAreKeptPerSizeAndBadRectsGiveNil) {
    id workspace = SendId(NSClassFromString("NSWorkspace"), S("sharedWorkspace"));
    id image = SendId(workspace, S("iconForFile:"), {CFString(path.string())});
    SEL cg = S("CGImageForProposedRect:context:hints:");
    CGRect rect{0, 0, 16, 16};
    id first = SendId(image, cg, {&rect, nil, nil});
    EXPECT_EQ(first, SendId(image, cg, {&rect, nil, nil}));
    EXPECT_EQ(backend->IconRequests().size(), 1u);
    CGRect empty{0, 0, 0, 0};
    EXPECT_EQ(SendId(image, cg, {&empty, nil, nil}), nullptr);
    // No rectangle: the image's own size.
    EXPECT_NE(SendId(image, cg, {nil, nil, nil}), nullptr);
}

TEST(CoreGraphics, RectOriginCountsFromTheBottom) {
    AutoreleasePool pool;
    auto red = Make<CGImageObject>("CGImage", fw::RgbaImage{1, 1, {255, 0, 0, 255}});
    auto picture = fw::New<fw::Picture>(4, 4);
    CGContextDrawImage(picture->Graphics()->Handle(5), CGRect{0, 0, 4, 2}, red.get());
    EXPECT_EQ(picture->Pixel(0, 0), picture->Pixel(3, 1));
    EXPECT_NE(picture->Pixel(0, 3), picture->Pixel(0, 0));
    EXPECT_EQ(picture->RGBA()[(3 * 4 + 2) * 4 + 0], 255);  // bottom row is red
    EXPECT_EQ(picture->RGBA()[(0 * 4 + 2) * 4 + 3], 0);    // top row untouched

    // Nil context or image draws nothing; an object that is no image is refused.
    CGContextDrawImage(nullptr, CGRect{0, 0, 4, 4}, red.get());
    CGContextDrawImage(picture->Graphics()->Handle(5), CGRect{0, 0, 4, 4}, nullptr);
    EXPECT_EQ(picture->RGBA()[3], 0);
    CFString notAnImage("x");
    EXPECT_THROW(
        CGContextDrawImage(picture->Graphics()->Handle(5), CGRect{0, 0, 4, 4}, notAnImage.Get()),
        InvalidArgumentException);
}

}  // namespace
}  // namespace cocoa::test

namespace cocoa::test {
namespace {

TEST(AutoreleaseDrain, EventLoopReleasesWhatNoPoolHolds) {
    fw::RuntimeInit();
    fw::RunFrameworkInitialization_([] {});
    for (const char* text : {"first event", "second event"}) {
        std::weak_ptr<Object> watched = MakeAutoreleasedString(text)->shared_from_this();
        EXPECT_FALSE(watched.expired());
        fw::headless::Instance().Run();
        EXPECT_TRUE(watched.expired()) << text;
    }
}

}  // namespace
}  // namespace cocoa::test
