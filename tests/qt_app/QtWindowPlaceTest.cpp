// The real program on the Qt backend: a window moved, resized and closed in the first
// launch reopens at that place and size in the second.
#include <QMenuBar>
#include <QScreen>
#include <QWidget>
#include <filesystem>
#include <fstream>

#include "QtLaunchTest.h"
#include "window/Window1.h"

namespace qtapptest {
namespace {

using QtWindowPlaceTest = QtLaunchTest;

TEST_F(QtWindowPlaceTest, WindowClosedAtOnePlaceReopensThere) {
    QRect placed;
    std::string model;
    EXPECT_EQ(Launch([&](QWidget& window) {
                  // Inside the offscreen screen, and above the window's minimum size.
                  window.setGeometry(100, 80, 520, 360);
                  Settle();
                  placed = window.geometry();
                  model = ModelLTWH();
                  window.close();  // the last window: the program quits
              }),
              0);
    EXPECT_EQ(placed.size(), QSize(520, 360));
    EXPECT_EQ(StoredLTWH(), model);

    QRect reopened;
    std::string reopenedModel;
    EXPECT_EQ(Launch([&](QWidget& window) {
                  Settle();
                  reopened = window.geometry();
                  reopenedModel = ModelLTWH();
                  window.close();
              }),
              0);
    EXPECT_EQ(reopened, placed);
    EXPECT_EQ(reopenedModel, model);
    EXPECT_TRUE(exitStatuses.empty());
}

TEST_F(QtWindowPlaceTest, AStoredTopOfZeroKeepsTheMenuBarOnTheScreen) {
    std::filesystem::create_directories(std::filesystem::path(PrefsFile()).parent_path());
    std::ofstream(PrefsFile()) << R"({"WindowLTWH": [100, 0, 520, 360]})";
    EXPECT_EQ(
        Launch([&](QWidget& window) {
            Settle();
            // The whole window, its menu bar included, is inside the available area.
            EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()));
            const QMenuBar* bar = window.findChild<QMenuBar*>();
            const int barBottom = bar->mapToGlobal(QPoint(0, bar->height())).y();
            EXPECT_EQ(ModelLTWH(), "[100," + std::to_string(barBottom) + ",520,360]");
            window.close();
        }),
        0);
}

}  // namespace
}  // namespace qtapptest
