// The real program's menu bar on the Qt backend (offscreen platform): the captions and
// shortcuts it shows, and shortcuts that reach their items' actions.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include "QtLaunchTest.h"
#include "window/Window1.h"

namespace qtapptest {
namespace {

// A menu as shown: caption and portable shortcut per entry, "-" for a separator.
using Shown = std::vector<std::pair<std::string, std::string>>;

Shown ShownItems(QMenu* menu) {
    Shown shown;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            shown.emplace_back("-", "");
        } else {
            shown.emplace_back(
                action->text().toStdString(),
                action->shortcut().toString(QKeySequence::PortableText).toStdString());
        }
    }
    return shown;
}

using QtMenuLaunchTest = QtLaunchTest;

TEST_F(QtMenuLaunchTest, MenusShowTheCaptionsAndCtrlShortcuts) {
    std::vector<std::string> menus;
    std::vector<Shown> items;
    std::vector<bool> editEnabled;
    std::vector<bool> fileEnabled;
    EXPECT_EQ(Launch([&](QWidget& window) {
                  QMenuBar* bar = window.findChild<QMenuBar*>();
                  ASSERT_NE(bar, nullptr);
                  for (QAction* action : bar->actions()) {
                      menus.push_back(action->text().toStdString());
                      items.push_back(ShownItems(action->menu()));
                  }
                  Activate(window);
                  QMenu* edit = bar->actions().at(1)->menu();
                  emit edit->aboutToShow();
                  for (int i : {0, 1, 3, 4, 5, 6, 7, 9}) {
                      editEnabled.push_back(edit->actions().at(i)->isEnabled());
                  }
                  QMenu* file = bar->actions().at(0)->menu();
                  emit file->aboutToShow();
                  for (int i : {1, 3}) {
                      fileEnabled.push_back(file->actions().at(i)->isEnabled());
                  }
                  window.close();
              }),
              0);
    EXPECT_EQ(menus, (std::vector<std::string>{"File", "Edit", "Window", "Help"}));
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0],
              (Shown{{"Close", "Ctrl+W"}, {"About Tessary", ""}, {"-", ""}, {"Quit", "Ctrl+Q"}}));
    EXPECT_EQ(items[1], (Shown{{"&Undo", "Ctrl+Z"},
                               {"Redo", "Ctrl+Shift+Z"},
                               {"-", ""},
                               {"Cut", "Ctrl+X"},
                               {"Copy", "Ctrl+C"},
                               {"Paste", "Ctrl+V"},
                               {"Delete", ""},
                               {"Select All", "Ctrl+A"},
                               {"-", ""},
                               {"Find...", "Ctrl+F"}}));
    EXPECT_EQ(items[2],
              (Shown{{"Minimize", "Ctrl+M"}, {"Zoom", ""}, {"-", ""}, {"Bring All to Front", ""}}));
    EXPECT_TRUE(items[3].empty());
    // Undo, Redo, Cut, Copy, Paste, Delete, Select All (a one-row list) and Find have
    // nothing to act on.
    EXPECT_EQ(editEnabled, std::vector<bool>(8, false));
    // About and Quit have their handlers.
    EXPECT_EQ(fileEnabled, (std::vector<bool>{true, true}));
}

TEST_F(QtMenuLaunchTest, CtrlWClosesTheWindowThenTheApplicationWritesThePreferences) {
    std::string atClose;
    bool stillOpen = false;
    EXPECT_EQ(Launch([&](QWidget& window) {
                  window.setGeometry(90, 70, 500, 340);
                  Settle();
                  atClose = ModelLTWH();
                  Activate(window);
                  QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
                  stillOpen = Window1()->IsOpen();
              }),
              0);
    EXPECT_FALSE(stillOpen);
    // The window's Close put its rectangle in place before the application's Close
    // wrote the file.
    EXPECT_EQ(StoredLTWH(), atClose);
    EXPECT_TRUE(exitStatuses.empty());
}

TEST_F(QtMenuLaunchTest, CtrlQQuitsTheSameWay) {
    std::string atQuit;
    EXPECT_EQ(Launch([&](QWidget& window) {
                  atQuit = ModelLTWH();
                  Activate(window);
                  QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
              }),
              0);
    EXPECT_EQ(StoredLTWH(), atQuit);
}

TEST_F(QtMenuLaunchTest, CtrlMMinimizesTheWindow) {
    bool minimized = false;
    EXPECT_EQ(Launch([&](QWidget& window) {
                  Activate(window);
                  QTest::keyClick(&window, Qt::Key_M, Qt::ControlModifier);
                  Settle();
                  minimized = window.isMinimized();
                  window.close();
              }),
              0);
    EXPECT_TRUE(minimized);
}

TEST_F(QtMenuLaunchTest, CtrlWClosesTheAboutBoxInFrontAndCtrlQQuitsFromIt) {
    std::vector<bool> seen;  // About box closed, main window still open
    EXPECT_EQ(Launch([&](QWidget& window) {
                  Activate(window);
                  QMenu* file = window.findChild<QMenuBar*>()->actions()[0]->menu();
                  auto openAbout = [&] {
                      file->actions()[1]->trigger();
                      QPointer<QWidget> box;
                      EXPECT_TRUE(QTest::qWaitFor([&] {
                          box = QApplication::activeWindow();
                          return box != nullptr && box != &window;
                      }));
                      return box;
                  };
                  QPointer<QWidget> box = openAbout();
                  QTest::keyClick(box, Qt::Key_W, Qt::ControlModifier);
                  Settle();
                  seen = {box.isNull() || !box->isVisible(), Window1()->IsOpen()};
                  QTest::keyClick(openAbout(), Qt::Key_Q, Qt::ControlModifier);
              }),
              0);
    EXPECT_EQ(seen, (std::vector<bool>{true, true}));
    EXPECT_TRUE(exitStatuses.empty());
}

}  // namespace
}  // namespace qtapptest
