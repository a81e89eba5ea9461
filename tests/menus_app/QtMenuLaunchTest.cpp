// The real program's menu bar on the Qt backend (offscreen platform): the captions and
// shortcuts it shows, and shortcuts that reach their items' actions.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/Startup.h"
#include "framework/Runtime.h"
#include "framework/SpecialFolder.h"
#include "window/Window1.h"

namespace {

namespace fs = std::filesystem;

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

class QtMenuLaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tessary-menu.XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
        const std::string app = root_ + "/Tessary";
        fs::create_directories(app + "/Resources");
        std::ofstream(app + "/Tessary") << "";
        std::ofstream(app + "/Resources/spot") << "#!/bin/sh\nexit 1\n";
        fs::permissions(app + "/Resources/spot", fs::perms::owner_all);
        fw::SetExecutablePath(app + "/Tessary");
        fs::create_directories(root_ + "/config");
        ::setenv("XDG_CONFIG_HOME", (root_ + "/config").c_str(), 1);
        ::unsetenv("LANGUAGE");
        ::setenv("LANG", "C", 1);
        fw::SetExitHook_([this](int status) { exitStatuses.push_back(status); });
    }

    void TearDown() override {
        fw::SetExitHook_(nullptr);
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    static QWidget* MainWindowWidget() {
        if (!fw::GetImplicitWindow_("Window1.Window1") || !Window1()->IsOpen()) {
            return nullptr;
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->windowTitle() == "Tessary") {
                return widget;
            }
        }
        return nullptr;
    }

    // Runs main's sequence; script runs once the main window is shown and must end the
    // program.
    int Launch(std::function<void(QWidget&)> script) {
        fw::RuntimeInit();
        fw::RuntimePerformInitializers();
        QObject guard;
        auto* poll = new QTimer(&guard);
        bool started = false;
        QObject::connect(poll, &QTimer::timeout, &guard, [&] {
            if (QWidget* widget = started ? nullptr : MainWindowWidget()) {
                started = true;
                poll->stop();
                script(*widget);
            }
        });
        poll->start(10);
        QTimer::singleShot(20000, &guard, [&] {
            ADD_FAILURE() << "the program did not quit";
            QCoreApplication::exit(99);
        });
        Main_();
        fw::RuntimePerformFinalizers();
        const int status = fw::RuntimeExit();
        EXPECT_TRUE(started) << "the main window never showed";
        return status;
    }

    // Makes the window the active one, as a user's click would.
    static void Activate(QWidget& window) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // The stored window rectangle, without blanks ("" when there is none).
    std::string StoredLTWH() const {
        std::ifstream in(root_ + "/config/Tessary/Tessary.pref");
        std::stringstream text;
        text << in.rdbuf();
        std::string compact;
        for (char c : text.str()) {
            if (c != ' ' && c != '\n' && c != '\t' && c != '\r') {
                compact += c;
            }
        }
        const auto start = compact.find("\"WindowLTWH\":[");
        if (start == std::string::npos) {
            return "";
        }
        const auto open = compact.find('[', start);
        return compact.substr(open, compact.find(']', open) - open + 1);
    }

    static std::string ModelLTWH() {
        auto w = Window1();
        return "[" + std::to_string(w->Left()) + "," + std::to_string(w->Top()) + "," +
               std::to_string(w->Width()) + "," + std::to_string(w->Height()) + "]";
    }

    std::vector<int> exitStatuses;

private:
    std::string root_;
};

TEST_F(QtMenuLaunchTest, MenusShowTheCaptionsAndCtrlShortcuts) {
    std::vector<std::string> menus;
    std::vector<Shown> items;
    std::vector<bool> editEnabled;
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
                  for (int i : {0, 1, 7, 9}) {
                      editEnabled.push_back(edit->actions().at(i)->isEnabled());
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
    // Undo, Redo, Select All (a one-row list) and Find have nothing to act on.
    EXPECT_EQ(editEnabled, (std::vector<bool>{false, false, false, false}));
}

TEST_F(QtMenuLaunchTest, CtrlWClosesTheWindowThenTheApplicationWritesThePreferences) {
    std::string atClose;
    bool stillOpen = false;
    EXPECT_EQ(Launch([&](QWidget& window) {
                  window.setGeometry(90, 70, 500, 340);
                  for (int i = 0; i < 5; ++i) {
                      QCoreApplication::processEvents();
                  }
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
                  for (int i = 0; i < 5; ++i) {
                      QCoreApplication::processEvents();
                  }
                  minimized = window.isMinimized();
                  window.close();
              }),
              0);
    EXPECT_TRUE(minimized);
}

}  // namespace
