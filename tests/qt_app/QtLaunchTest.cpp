#include "QtLaunchTest.h"

#include <stdlib.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "app/Startup.h"
#include "framework/Runtime.h"
#include "framework/SpecialFolder.h"
#include "window/Window1.h"

namespace qtapptest {

namespace fs = std::filesystem;

namespace {

// The main window's Qt window, once it is open and shown.
QWidget* MainWindowWidget() {
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

}  // namespace

void QtLaunchTest::SetUp() {
    std::string pattern = (fs::temp_directory_path() / "tessary-qt.XXXXXX").string();
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

void QtLaunchTest::TearDown() {
    fw::SetExitHook_(nullptr);
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void QtLaunchTest::UseRealSpot() {
    const std::string spot = root_ + "/Tessary/Resources/spot";
    fs::remove(spot);
    fs::create_symlink("/usr/libexec/afdko/spot", spot);
}

int QtLaunchTest::Launch(std::function<void(QWidget&)> script) {
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

void QtLaunchTest::Settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}

void QtLaunchTest::Activate(QWidget& window) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

std::string QtLaunchTest::StoredLTWH() const {
    std::ifstream in(PrefsFile());
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

std::string QtLaunchTest::ModelLTWH() {
    auto w = Window1();
    return nlohmann::json{w->Left(), w->Top(), w->Width(), w->Height()}.dump();
}

}  // namespace qtapptest
