// The real program on the Qt backend (offscreen platform), launched twice in a fresh
// application folder and configuration folder: a window moved, resized and closed in
// the first launch reopens at that place and size in the second.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
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

class QtWindowPlaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tessary-qt.XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
        const std::string app = root_ + "/Tessary";
        fs::create_directories(app + "/Resources");
        std::ofstream(app + "/Tessary") << "";
        // Only its presence matters: nothing is run.
        std::ofstream(app + "/Resources/spot") << "#!/bin/sh\nexit 1\n";
        fs::permissions(app + "/Resources/spot", fs::perms::owner_all);
        fw::SetExecutablePath(app + "/Tessary");
        fs::create_directories(root_ + "/config");
        ::setenv("XDG_CONFIG_HOME", (root_ + "/config").c_str(), 1);
        fw::SetExitHook_([this](int status) { exitStatuses.push_back(status); });
    }

    void TearDown() override {
        fw::SetExitHook_(nullptr);
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    std::string PrefsFile() const { return root_ + "/config/Tessary/Tessary.pref"; }

    // The main window's Qt window, once it is open and shown.
    static QWidget* MainWindowWidget() {
        if (!fw::GetImplicitWindow_("Window1.Window1")) {
            return nullptr;
        }
        if (!Window1()->IsOpen()) {
            return nullptr;
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->windowTitle() == "Tessary") {
                return widget;
            }
        }
        return nullptr;
    }

    // Runs main's sequence; script runs once the main window is shown, and must end
    // the program.
    int Launch(std::function<void(QWidget&)> script) {
        fw::RuntimeInit();
        fw::RuntimePerformInitializers();
        // The backend has made the application object by now, so timers can be set.
        QObject guard;
        auto* poll = new QTimer(&guard);
        bool started = false;
        QObject::connect(poll, &QTimer::timeout, &guard, [&] {
            if (started) {
                return;
            }
            if (QWidget* widget = MainWindowWidget()) {
                started = true;
                poll->stop();
                script(*widget);
            }
        });
        poll->start(10);
        // Never hang the test run.
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

    // Lets Qt deliver what the window system reported.
    static void Settle() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    }

    std::vector<int> exitStatuses;

private:
    std::string root_;
};

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
