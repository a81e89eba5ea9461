#include "framework/Screen.h"

#include "AppKitFixture.h"

namespace cocoa::test {
namespace {

fw::ScreenInfo Display(int left, int width) {
    return fw::ScreenInfo{fw::PeerRect{left, 0, width, 900}, fw::PeerRect{left, 25, width, 875}};
}

class ScreenTest : public AppKitTest {
protected:
    id Screens() { return SendId(NSClassFromString("NSScreen"), S("screens")); }
    id ScreenAt(id screens, std::int64_t i) { return SendId(screens, S("objectAtIndex:"), {i}); }
};

TEST_F(ScreenTest, ScreensAreTheSameObjectsInTheFrameworkOrder) {
    backend->SetScreens({Display(0, 1440), Display(1440, 1920)});
    id screens = Screens();
    ASSERT_EQ(SendInt(screens, S("count")), 2);
    ASSERT_EQ(SendInt(screens, S("count")), fw::ScreenCount());
    id first = ScreenAt(screens, 0);
    id second = ScreenAt(screens, 1);
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, second);
    id again = Screens();
    EXPECT_NE(again, screens);
    EXPECT_EQ(ScreenAt(again, 0), first);
    EXPECT_EQ(ScreenAt(again, 1), second);
    EXPECT_THROW(ScreenAt(again, 2), fw::OutOfBoundsException);
}

TEST_F(ScreenTest, WindowScreenIsTheDisplayShowingIt) {
    backend->SetScreens({Display(0, 1440), Display(1440, 1920)});
    id screens = Screens();
    id w = WindowObject();
    backend->SetWindowScreen(window->Id(), 1);
    EXPECT_EQ(SendId(w, S("screen")), ScreenAt(screens, 1));
    backend->SetWindowScreen(window->Id(), 0);
    EXPECT_EQ(SendId(w, S("screen")), ScreenAt(screens, 0));
    backend->SetWindowScreen(window->Id(), -1);
    EXPECT_EQ(SendId(w, S("screen")), nullptr);
}

TEST_F(ScreenTest, FewerDisplaysGiveAShorterArray) {
    backend->SetScreens({Display(0, 1440), Display(1440, 1920)});
    id second = ScreenAt(Screens(), 1);
    backend->SetScreens({Display(0, 1440)});
    EXPECT_EQ(SendInt(Screens(), S("count")), 1);
    backend->SetWindowScreen(window->Id(), 1);
    EXPECT_EQ(SendId(WindowObject(), S("screen")), nullptr);
    backend->SetScreens({Display(0, 1440), Display(1440, 1920)});
    EXPECT_EQ(ScreenAt(Screens(), 1), second);
}

}  // namespace
}  // namespace cocoa::test
