// Window frames, the Bounds setter, controls following the window by their locks, and
// what the peer mirrors.

#include <cmath>
#include <limits>

#include "UiTestSupport.h"
#include "framework/Color.h"
#include "framework/Label.h"
#include "framework/PushButton.h"
#include "framework/Screen.h"

namespace uitest {
namespace {

class ControlsWindow : public fw::Window {
public:
    std::string ClassName() const override { return "ControlsWindow"; }
    fw::Ref<fw::Label> label;
    fw::Ref<fw::PushButton> button;
    fw::Ref<fw::Label> anchoredRight;

protected:
    void Layout() override {
        Width(460);
        Height(300);
        MinimumWidth(460);
        MinimumHeight(300);
    }
    void CreateControls() override {
        label = Add("Label1", 112, 16, 328, 20, true, true, true, false);
        button = fw::New<fw::PushButton>();
        AddControl_("PushButtonRun", button);
        button->Left(20);
        button->Top(16);
        button->Width(80);
        button->Height(20);
        anchoredRight = Add("Corner", 400, 260, 40, 20, false, false, true, true);
    }

private:
    fw::Ref<fw::Label> Add(const std::string& name, int l, int t, int w, int h, bool lockLeft,
                           bool lockTop, bool lockRight, bool lockBottom) {
        auto c = fw::New<fw::Label>();
        c->Constructor();
        AddControl_(name, c);
        c->Left(l);
        c->Top(t);
        c->Width(w);
        c->Height(h);
        c->LockLeft(lockLeft);
        c->LockTop(lockTop);
        c->LockRight(lockRight);
        c->LockBottom(lockBottom);
        return c;
    }
};

fw::Ref<ControlsWindow> MakeControlsWindow() {
    auto w = fw::New<ControlsWindow>();
    w->Constructor();
    return w;
}

using WindowTest = UiTest;

class SeparatorWindow : public fw::Window {
public:
    std::vector<fw::Rect> areas;

    void Event_Paint(fw::Ref<fw::Graphics> g, const std::vector<fw::Rect>& a) override {
        areas = a;
        g->SetForeColor(fw::Color(0x00C9C9C9u));
        g->DrawLine(0, 47, Width(), 47);
    }

protected:
    void Layout() override {
        Width(460);
        Height(300);
    }
};

TEST_F(WindowTest, BoundsSetterRaisesToTheMinimumAndTruncates) {
    auto w = MakeControlsWindow();
    w->Bounds(fw::RectD{10.9, -20.7, 100, 200});
    EXPECT_EQ(w->Left(), 10);
    EXPECT_EQ(w->Top(), -20);
    EXPECT_EQ(w->Width(), 460);
    EXPECT_EQ(w->Height(), 300);

    w->Bounds(fw::Rect{5, 6, 700, 501});
    EXPECT_EQ(w->Bounds(), (fw::RectD{5, 6, 700, 501}));

    // The plain size setters keep what they are given.
    w->Width(100);
    EXPECT_EQ(w->Width(), 100);
    EXPECT_EQ(w->MinWidth(), 460);
}

TEST_F(WindowTest, ControlsFollowTheWindowByTheirLocks) {
    auto w = MakeControlsWindow();
    w->Width(800);
    w->Height(500);
    // Locked left and right: stretches; right edge stays 20 from the window's.
    EXPECT_EQ(w->label->Left(), 112);
    EXPECT_EQ(w->label->Width(), 668);
    EXPECT_EQ(w->label->Top(), 16);
    EXPECT_EQ(w->label->Height(), 20);
    // Default locks (left, top): keeps its place.
    EXPECT_EQ(w->button->Left(), 20);
    EXPECT_EQ(w->button->Width(), 80);
    // Locked right and bottom only: moves.
    EXPECT_EQ(w->anchoredRight->Left(), 740);
    EXPECT_EQ(w->anchoredRight->Top(), 460);
    EXPECT_EQ(w->anchoredRight->Width(), 40);

    // Shrinking below the control and growing back returns it exactly.
    w->Width(50);
    EXPECT_EQ(w->label->Width(), 0);
    w->Width(460);
    EXPECT_EQ(w->label->Width(), 328);
}

TEST_F(WindowTest, ExtremeSizesAreKeptWithinTheLargestWindowAndControlsStaySane) {
    StartFramework();
    auto w = MakeControlsWindow();
    w->OpenNow_();
    w->Width(std::numeric_limits<int>::max());
    w->Height(std::numeric_limits<int>::min());
    EXPECT_EQ(w->Width(), fw::Window::kMaxSize);
    EXPECT_EQ(w->Height(), 1);
    EXPECT_EQ(w->label->Width(), fw::Window::kMaxSize - 112 - 20);
    EXPECT_EQ(w->anchoredRight->Left(), fw::Window::kMaxSize - 60);
    EXPECT_EQ(w->anchoredRight->Top(), 1 - 40);

    w->Bounds(fw::RectD{0, 0, 1e300, std::nan("")});
    EXPECT_EQ(w->Width(), fw::Window::kMaxSize);
    EXPECT_EQ(w->Height(), 300);  // raised to the minimum

    Backend().MoveWindow(w->Id(), fw::PeerRect{0, 0, -5, std::numeric_limits<int>::max()});
    EXPECT_EQ(w->Width(), 1);
    EXPECT_EQ(w->Height(), fw::Window::kMaxSize);

    // Back at the design size, every control is where it started.
    w->Width(460);
    w->Height(300);
    EXPECT_EQ(w->label->Width(), 328);
    EXPECT_EQ(w->anchoredRight->Left(), 400);
    EXPECT_EQ(w->anchoredRight->Top(), 260);
    EXPECT_EQ(Backend().Window(w->Id()).State.Frame.Width, 460);
}

TEST_F(WindowTest, AUserResizeReachesTheModelAndTheControlPeers) {
    StartFramework();
    auto w = MakeControlsWindow();
    w->OpenNow_();
    Backend().MoveWindow(w->Id(), fw::PeerRect{30, 40, 560, 400});

    EXPECT_EQ(w->Bounds(), (fw::RectD{30, 40, 560, 400}));
    EXPECT_EQ(w->label->Width(), 428);
    EXPECT_EQ(Backend().Control(w->label->Id()).State.Bounds, (fw::PeerRect{112, 16, 428, 20}));
}

TEST_F(WindowTest, ThePeerMirrorsTheModelAndAWindowKeepsItsStateWithoutOne) {
    auto w = MakeControlsWindow();  // before the backend is initialised: no peer
    w->Title("Tessary");
    w->Left(10);
    EXPECT_FALSE(w->HasPeer_());
    EXPECT_EQ(w->Title(), "Tessary");

    StartFramework();
    w->OpenNow_();
    const auto& peer = Backend().Window(w->Id());
    EXPECT_EQ(peer.State.Title, "Tessary");
    EXPECT_EQ(peer.State.Frame.Left, 10);
    EXPECT_EQ(peer.State.MinimumWidth, 460);
    EXPECT_TRUE(peer.State.Visible);

    w->button->Caption("Run");
    w->button->Enabled(false);
    const auto& button = Backend().Control(w->button->Id());
    EXPECT_EQ(button.State.Kind, fw::ControlKind::PushButton);
    EXPECT_EQ(button.State.Caption, "Run");
    EXPECT_FALSE(button.State.Enabled);
    EXPECT_EQ(button.Window, w->Id());
}

TEST_F(WindowTest, ControlsAreFoundByNameAndTheWindowByItsHandle) {
    auto w = MakeControlsWindow();
    EXPECT_EQ(w->ControlByName_("PushButtonRun"), w->button);
    EXPECT_EQ(w->ControlByName_("Missing"), nullptr);
    EXPECT_EQ(w->button->Window(), w);
    EXPECT_NE(w->Handle(), 0u);
    EXPECT_EQ(fw::Window::FromHandle(w->Handle()), w);
    EXPECT_EQ(fw::GetImplicitWindow_("ControlsWindow"), w);

    w->Close();
    EXPECT_EQ(fw::Window::FromHandle(w->Handle()), nullptr);
    EXPECT_EQ(fw::GetImplicitWindow_("ControlsWindow"), nullptr);
}

TEST_F(WindowTest, ADisabledButtonIgnoresClicksAndAnEnabledOneRaisesAction) {
    StartFramework();
    auto w = MakeControlsWindow();
    w->OpenNow_();
    int pressed = 0;
    w->button->Action = [&](fw::Ref<fw::PushButton> sender) {
        EXPECT_EQ(sender, w->button);
        ++pressed;
    };
    w->button->Enabled(false);
    Backend().ClickButton(w->button->Id());
    EXPECT_EQ(pressed, 0);
    w->button->Enabled(true);
    Backend().ClickButton(w->button->Id());
    EXPECT_EQ(pressed, 1);
}

TEST_F(WindowTest, ScreensComeFromTheBackendInOrder) {
    StartFramework();
    Backend().SetScreens({fw::ScreenInfo{{0, 0, 1440, 900}, {0, 25, 1440, 875}},
                          fw::ScreenInfo{{1440, 0, 1920, 1080}, {1440, 0, 1920, 1040}}});
    EXPECT_EQ(fw::ScreenCount(), 2);
    auto second = fw::ScreenAt(1);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->Left, 1440);
    EXPECT_EQ(second->AvailableHeight, 1040);
    EXPECT_EQ(fw::ScreenAt(2), nullptr);
    EXPECT_EQ(fw::ScreenAt(-1), nullptr);
}

TEST_F(WindowTest, AWindowWithoutAPositionIsPlacedInsideTheMainScreen) {
    StartFramework();
    auto w = MakeControlsWindow();
    auto screen = fw::ScreenAt(0);
    EXPECT_GE(w->Left(), screen->AvailableLeft);
    EXPECT_GE(w->Top(), screen->AvailableTop);
    EXPECT_LE(w->Left() + w->Width(), screen->AvailableLeft + screen->AvailableWidth);
    EXPECT_LE(w->Top() + w->Height(), screen->AvailableTop + screen->AvailableHeight);
}

TEST_F(WindowTest, PaintingDrawsTheWindowsOwnDrawingAcrossItsCurrentWidth) {
    StartFramework();
    auto w = fw::New<SeparatorWindow>();
    w->Constructor();
    w->OpenNow_();
    w->Width(800);
    auto picture = Backend().PaintWindow(w->Id());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 800);
    EXPECT_EQ(picture->Pixel(0, 47), fw::Color(0x00C9C9C9u));
    EXPECT_EQ(picture->Pixel(799, 47), fw::Color(0x00C9C9C9u));
    EXPECT_EQ(picture->Pixel(400, 48).Alpha(), 0xFF);
    EXPECT_EQ(w->areas, (std::vector<fw::Rect>{fw::Rect{0, 0, 800, 300}}));

    w->Refresh();
    EXPECT_EQ(Backend().Window(w->Id()).Invalidations, 1);
}

}  // namespace
}  // namespace uitest
