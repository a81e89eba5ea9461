#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "QtTestSupport.h"
#include "framework/MenuBar.h"

namespace fw::qt::test {
namespace {

using QtWindow = QtBackendTest;

PeerRect GlobalRectOf(QWidget* widget) {
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    return PeerRect{origin.x(), origin.y(), widget->width(), widget->height()};
}

TEST_F(QtWindow, ContentRectIsTheModelsFrameWithAndWithoutMenuBar) {
    const PeerRect frame{40, 60, 460, 300};
    QWidget* window = OpenWindow(1, frame);
    ASSERT_NE(window, nullptr);
    backend->CreateControl(1, 10, Control(ControlKind::Label, {0, 0, 460, 300}));
    QWidget* filler = backend->ControlWidget(10);
    EXPECT_EQ(GlobalRectOf(filler), frame);

    auto bar = New<MenuBar>();
    auto file = New<MenuItem>();
    file->SetText("File");
    bar->AddMenu(file);
    backend->SetWindowMenuBar(1, bar);
    ProcessEvents();
    // The bar sits above the content, which keeps its place and size.
    EXPECT_EQ(GlobalRectOf(filler), frame);
    EXPECT_GT(window->height(), frame.Height);
    EXPECT_EQ(window->geometry().top(), frame.Top - (window->height() - frame.Height));

    const PeerRect moved{100, 120, 500, 350};
    backend->SetWindowFrame(1, moved);
    ProcessEvents();
    backend->UpdateControl(10, Control(ControlKind::Label, {0, 0, 500, 350}));
    EXPECT_EQ(GlobalRectOf(filler), moved);
}

TEST_F(QtWindow, ControlsSitWhereTheirRectanglesSay) {
    OpenWindow(1, {50, 50, 460, 300});
    backend->CreateControl(1, 2, Control(ControlKind::Listbox, {0, 48, 460, 252}));
    backend->CreateControl(1, 3, Control(ControlKind::PushButton, {20, 16, 80, 20}));
    backend->CreateControl(1, 4, Control(ControlKind::Label, {112, 16, 328, 20}));
    EXPECT_EQ(backend->ControlWidget(2)->geometry(), QRect(0, 48, 460, 252));
    EXPECT_EQ(backend->ControlWidget(3)->geometry(), QRect(20, 16, 80, 20));
    EXPECT_EQ(backend->ControlWidget(4)->geometry(), QRect(112, 16, 328, 20));
    EXPECT_NE(qobject_cast<QTreeWidget*>(backend->ControlWidget(2)), nullptr);
    EXPECT_NE(qobject_cast<QPushButton*>(backend->ControlWidget(3)), nullptr);
    EXPECT_NE(qobject_cast<QLabel*>(backend->ControlWidget(4)), nullptr);

    // The model moves controls when the window grows; the peer follows.
    backend->UpdateControl(2, Control(ControlKind::Listbox, {0, 48, 600, 400}));
    EXPECT_EQ(backend->ControlWidget(2)->geometry(), QRect(0, 48, 600, 400));
}

TEST_F(QtWindow, UserResizeIsReportedOnceAndModelFramesAreNotEchoed) {
    QWidget* window = OpenWindow(1, {30, 40, 460, 300});
    host.frames.clear();
    backend->SetWindowFrame(1, {35, 45, 470, 310});
    ProcessEvents();
    EXPECT_TRUE(host.frames.empty());

    window->resize(520, 330);
    ProcessEvents();
    ASSERT_EQ(host.frames.size(), 1u);
    EXPECT_EQ(host.frames[0].first, 1u);
    EXPECT_EQ(host.frames[0].second, (PeerRect{35, 45, 520, 330}));
}

TEST_F(QtWindow, SizeLimitsBoundTheContent) {
    QWidget* window = OpenWindow(1, {0, 0, 460, 300});
    backend->SetWindowSizeLimits(1, 460, 300, 800, 600);
    window->resize(100, 100);
    ProcessEvents();
    EXPECT_EQ(window->size(), QSize(460, 300));
    window->resize(5000, 5000);
    ProcessEvents();
    EXPECT_EQ(window->size(), QSize(800, 600));
}

TEST_F(QtWindow, CloseButtonAsksTheModelAndKeepsTheWindow) {
    QWidget* window = OpenWindow(7, {0, 0, 200, 100});
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(host.closeRequests, std::vector<PeerId>{7});

    // The model closes it from inside the request: the peer goes without a crash.
    host.onClose = [this](PeerId id) { backend->DestroyWindow(id); };
    QPointer<QWidget> watched = window;
    window->close();
    EXPECT_EQ(backend->WindowWidget(7), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
}

TEST_F(QtWindow, PaintDrawsTheModelsPictureBelowTheControls) {
    host.paintColor = Color(0x12, 0x34, 0x56);
    OpenWindow(1, {0, 0, 120, 80});
    backend->CreateControl(1, 2, Control(ControlKind::Label, {60, 0, 60, 80}));
    QWidget* window = backend->WindowWidget(1);
    const QImage shot = window->grab().toImage();
    EXPECT_FALSE(host.paints.empty());
    EXPECT_EQ(shot.pixelColor(10, 10), QColor(0x12, 0x34, 0x56));
}

TEST_F(QtWindow, ScreensAndWindowScreen) {
    const auto screens = backend->Screens();
    ASSERT_FALSE(screens.empty());
    EXPECT_GT(screens[0].Available.Width, 0);
    EXPECT_GT(screens[0].Frame.Height, 0);
    OpenWindow(1, {10, 10, 100, 100});
    EXPECT_EQ(backend->WindowScreen(1), 0);
    EXPECT_EQ(backend->WindowScreen(99), -1);
}

TEST_F(QtWindow, KeyWindowZoomAndMinimize) {
    QWidget* window = OpenWindow(1, {10, 10, 200, 100});
    backend->RaiseWindow(1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(backend->KeyWindow(), 1u);

    backend->ZoomWindow(1);
    EXPECT_TRUE(window->isMaximized());
    backend->ZoomWindow(1);
    EXPECT_FALSE(window->isMaximized());
    backend->MinimizeWindow(1);
    EXPECT_TRUE(window->isMinimized());
}

}  // namespace
}  // namespace fw::qt::test
