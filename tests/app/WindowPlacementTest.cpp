// Keeping the main window inside the available area of its screen, and the switch for
// automatic window tabbing. Every frame the window sets reaches the backend, so the
// frames it received while AdjustWindow ran are its SetWindowBounds calls (plus the
// minimum-size raise, which goes through Width and Height).
#include <vector>

#include "LaunchTest.h"
#include "menus/WindowEx.h"

namespace apptest {
namespace {

using fw::PeerRect;
using Frames = std::vector<PeerRect>;

// The default display: frame 0, 0, 1440, 900; available area 0, 25, 1440, 875.
const fw::ScreenInfo kMain{PeerRect{0, 0, 1440, 900}, PeerRect{0, 25, 1440, 875}};
// A second display to the right, with its own menu-bar-less available area.
const fw::ScreenInfo kSecond{PeerRect{1440, 0, 1920, 1080}, PeerRect{1440, 0, 1920, 1040}};

class WindowPlacementTest : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        UseStandInSpot("exit 1\n");
    }

    // Runs check inside a launch of the program, then quits.
    void InLaunch(std::function<void()> check) {
        Then([this, check] {
            check();
            Backend().RequestQuit();
        });
        EXPECT_EQ(Launch(), 0);
    }

    // Puts the main window at frame as the user would, runs AdjustWindow on it and
    // answers the frames that it set.
    Frames Adjust(const PeerRect& frame) {
        Backend().MoveWindow(WindowId(), frame);
        const auto before = FramesSet().size();
        WindowEx::AdjustWindow(Window1());
        return Frames(FramesSet().begin() + static_cast<std::ptrdiff_t>(before), FramesSet().end());
    }

    const Frames& FramesSet() { return Backend().Window(WindowId()).FramesSet; }
    PeerRect Frame() { return Backend().Window(WindowId()).State.Frame; }
};

TEST_F(WindowPlacementTest, WorkedExamplesOnTheMainScreen) {
    InLaunch([this] {
        // Only the bottom edge: 1128 > 900.
        EXPECT_EQ(Adjust({100, 800, 460, 328}), (Frames{{100, 572, 460, 328}}));
        // Only the right edge: 1660 > 1440.
        EXPECT_EQ(Adjust({1200, 100, 460, 328}), (Frames{{980, 100, 460, 328}}));
        // Top, then left; the left step keeps the top step's T.
        EXPECT_EQ(Adjust({-50, 10, 460, 328}), (Frames{{-50, 25, 460, 328}, {0, 25, 460, 328}}));
        // Touching the left and top edges is inside.
        EXPECT_EQ(Adjust({0, 25, 460, 328}), Frames{});
        // Touching the right and bottom edges is inside too.
        EXPECT_EQ(Adjust({980, 572, 460, 328}), Frames{});
        // Wider than the area: the right step would push it past the left edge.
        EXPECT_EQ(Adjust({100, 100, 2000, 328}), (Frames{{0, 100, 1440, 328}}));
        // Above and below at once: the top step also takes the available height.
        EXPECT_EQ(Adjust({100, 10, 460, 1000}), (Frames{{100, 25, 460, 875}}));
        // The top step keeps a bottom that was inside; the bottom step then shrinks it.
        EXPECT_EQ(Adjust({100, 0, 460, 890}), (Frames{{100, 25, 460, 890}, {100, 25, 460, 875}}));
        // All four edges fire at most once each.
        EXPECT_EQ(Adjust({-10, 0, 1500, 1000}), (Frames{{-10, 25, 1500, 875}, {0, 25, 1440, 875}}));
        EXPECT_EQ(Frame(), (PeerRect{0, 25, 1440, 875}));
    });
}

TEST_F(WindowPlacementTest, WithTheMenuBarInsideTheWindowTheWholeFrameIsKeptInside) {
    // A 22-pixel bar above the content: the frame is the content and the bar. The frames
    // the backend receives are content rectangles.
    machine = [](auto& backend) { backend.SetInWindowMenuBarHeight(22); };
    InLaunch([this] {
        Backend().MoveWindow(WindowId(), {100, 10, 460, 328});
        EXPECT_EQ(Window1()->Bounds(), (fw::RectD{100, -12, 460, 350}));
        // Content top 10 puts the bar at -12: the top step takes the frame to 25.
        EXPECT_EQ(Adjust({100, 10, 460, 328}), (Frames{{100, 47, 460, 328}}));
        // Right below the bar is inside.
        EXPECT_EQ(Adjust({100, 47, 460, 328}), Frames{});
        // The bottom edge is the content's: 1128 > 900, the frame moves up by 228.
        EXPECT_EQ(Adjust({100, 800, 460, 328}), (Frames{{100, 572, 460, 328}}));
        // Frame (100, 8, 460, 892): the top step keeps its height, the bottom step then
        // shrinks it to the available height, of which the bar takes 22.
        EXPECT_EQ(Adjust({100, 30, 460, 870}), (Frames{{100, 47, 460, 870}, {100, 47, 460, 853}}));
        // The setter keeps the content at its minimum size.
        WindowEx::SetWindowBounds(Window1(), 30, 40, 10, 10);
        EXPECT_EQ(Frame(), (PeerRect{30, 62, 460, 300}));
    });
}

TEST_F(WindowPlacementTest, WindowOnTheSecondScreenIsFittedToThatScreen) {
    machine = [](auto& backend) { backend.SetScreens({kMain, kSecond}); };
    InLaunch([this] {
        Backend().SetWindowScreen(WindowId(), 1);
        // On the main screen this frame would go left to 980; here it stays right of
        // the main screen and moves up into the second one's area (bottom 1040).
        EXPECT_EQ(Adjust({3200, 900, 460, 328}),
                  (Frames{{2900, 900, 460, 328}, {2900, 712, 460, 328}}));
        // Left of the second screen's area, by its own left edge 1440.
        EXPECT_EQ(Adjust({1400, 100, 460, 328}), (Frames{{1440, 100, 460, 328}}));
        // Its area starts at top 0, so a top of 10 is inside there.
        EXPECT_EQ(Adjust({2000, 10, 460, 328}), Frames{});
    });
}

TEST_F(WindowPlacementTest, WindowOnNoScreenIsFittedToScreenZero) {
    machine = [](auto& backend) { backend.SetScreens({kMain, kSecond}); };
    InLaunch([this] {
        Backend().SetWindowScreen(WindowId(), -1);
        // Inside the second screen, but the window reports no screen: screen 0 rules.
        EXPECT_EQ(Adjust({2000, 100, 460, 328}), (Frames{{980, 100, 460, 328}}));
        EXPECT_EQ(WindowEx::GetWindowScreen(Window1())->Index, 0);
        Backend().SetWindowScreen(WindowId(), 1);
        EXPECT_EQ(WindowEx::GetWindowScreen(Window1())->Index, 1);
    });
}

TEST_F(WindowPlacementTest, ResizableWindowIsRaisedToItsMinimumBeforeTheEdgeTests) {
    InLaunch([this] {
        ASSERT_TRUE(Window1()->Resizeable());
        ASSERT_EQ(Window1()->MinWidth(), 460);
        ASSERT_EQ(Window1()->MinHeight(), 300);
        // 100 wide it would fit; raised to 460 first, its right edge is past 1440.
        EXPECT_EQ(Adjust({1200, 100, 100, 300}),
                  (Frames{{1200, 100, 460, 300}, {980, 100, 460, 300}}));
        EXPECT_EQ(Adjust({100, 100, 460, 120}), (Frames{{100, 100, 460, 300}}));
    });
}

TEST_F(WindowPlacementTest, NonResizableWindowKeepsItsSize) {
    InLaunch([this] {
        Window1()->Resizeable(false);
        EXPECT_EQ(Adjust({1200, 100, 100, 120}), Frames{});
        EXPECT_EQ(Frame(), (PeerRect{1200, 100, 100, 120}));
        // An edge test that fires sets the frame, and the frame setter then applies the
        // minimum size whether or not the window is resizable.
        EXPECT_EQ(Adjust({-20, 100, 100, 120}), (Frames{{0, 100, 460, 300}}));
    });
}

TEST_F(WindowPlacementTest, SetWindowBoundsPassesTheRectangleAndTheSetterTruncates) {
    InLaunch([this] {
        const auto before = FramesSet().size();
        WindowEx::SetWindowBounds(Window1(), 30, 40, 700, 500);
        ASSERT_EQ(FramesSet().size(), before + 1);
        EXPECT_EQ(Frame(), (PeerRect{30, 40, 700, 500}));
        // Below the minimum size: raised by the frame setter.
        WindowEx::SetWindowBounds(Window1(), 30, 40, 10, 10);
        EXPECT_EQ(Frame(), (PeerRect{30, 40, 460, 300}));
        // The frame is kept in whole units: fractions go toward zero.
        Window1()->Bounds(fw::RectD{10.7, -10.7, 600.9, 400.5});
        EXPECT_EQ(Frame(), (PeerRect{10, -10, 600, 400}));
    });
}

TEST_F(WindowPlacementTest, DisableAutoTabbingSendsNoOncePerCall) {
    InLaunch([this] {
        // Once by the application as it opened.
        EXPECT_EQ(Backend().TabbingSwitches(), std::vector<bool>{false});
        WindowEx::DisableAutoTabbing();
        EXPECT_EQ(Backend().TabbingSwitches(), (std::vector<bool>{false, false}));
        WindowEx::DisableAutoTabbing();
        EXPECT_EQ(Backend().TabbingSwitches(), (std::vector<bool>{false, false, false}));
    });
}

}  // namespace
}  // namespace apptest
