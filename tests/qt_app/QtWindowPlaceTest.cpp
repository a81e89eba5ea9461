// The real program on the Qt backend: a window moved, resized and closed in the first
// launch reopens at that place and size in the second.
#include <QWidget>

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

}  // namespace
}  // namespace qtapptest
