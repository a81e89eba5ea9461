// The real program on the Qt backend: a window moved, resized and closed in the first
// launch reopens at that place and size in the second.
#include <QWidget>
#include <fstream>
#include <sstream>

#include "QtLaunchTest.h"
#include "window/Window1.h"

namespace qtapptest {
namespace {

using QtWindowPlaceTest = QtLaunchTest;

TEST_F(QtWindowPlaceTest, WindowClosedAtOnePlaceReopensThere) {
    QRect placed;
    std::vector<int> model;
    EXPECT_EQ(Launch([&](QWidget& window) {
                  // Inside the offscreen screen, and above the window's minimum size.
                  window.setGeometry(100, 80, 520, 360);
                  Settle();
                  placed = window.geometry();
                  auto w = Window1();
                  model = {w->Left(), w->Top(), w->Width(), w->Height()};
                  window.close();  // the last window: the program quits
              }),
              0);
    EXPECT_EQ(placed.size(), QSize(520, 360));
    ASSERT_EQ(model.size(), 4u);
    EXPECT_EQ(model[2], 520);

    std::ifstream in(PrefsFile());
    std::stringstream text;
    text << in.rdbuf();
    const std::string expected = std::to_string(model[0]) + "," + std::to_string(model[1]) + "," +
                                 std::to_string(model[2]) + "," + std::to_string(model[3]);
    std::string compact;
    for (char c : text.str()) {
        if (c != ' ' && c != '\n' && c != '\t' && c != '\r') {
            compact += c;
        }
    }
    EXPECT_NE(compact.find("\"WindowLTWH\":[" + expected + "]"), std::string::npos) << text.str();

    QRect reopened;
    std::vector<int> reopenedModel;
    EXPECT_EQ(Launch([&](QWidget& window) {
                  Settle();
                  reopened = window.geometry();
                  auto w = Window1();
                  reopenedModel = {w->Left(), w->Top(), w->Width(), w->Height()};
                  window.close();
              }),
              0);
    EXPECT_EQ(reopened, placed);
    EXPECT_EQ(reopenedModel, model);
    EXPECT_TRUE(exitStatuses.empty());
}

}  // namespace
}  // namespace qtapptest
