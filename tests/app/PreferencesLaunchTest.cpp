// The preferences file across launches: read as the application opens, applied by the
// main window, written with the window's rectangle at exit, discarded with Alt+Ctrl
// held, and never in the way of start-up, whatever the file holds.
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>

#include "LaunchTest.h"
#include "prefs/Preferences.h"

namespace apptest {
namespace {

namespace fs = std::filesystem;
using fw::PeerRect;
using nlohmann::json;

// Where the framework puts a 460 x 300 window on the default display (available area
// 0, 25, 1440, 875): centred, a third of the way down.
constexpr PeerRect kDesignFrame{490, 216, 460, 300};
const json kDesignLTWH = json::array({490, 216, 460, 300});

class PreferencesLaunchTest : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        // A stand-in that fails: a run completes without touching the fonts.
        UseStandInSpot("exit 1\n");
    }

    // Launches, records the window as it opened and what the preferences held, then
    // leaves by quit (or by what leave does).
    int LaunchAndLeave(std::function<void()> leave = nullptr) {
        Then([this, leave] {
            opened = Frame();
            openedLTWH = Preferences::pWindowLTWH;
            framesAtOpen = Backend().Window(WindowId()).FramesSet;
            fileDuringRun = fs::exists(PrefsFile());
            if (leave) {
                leave();
            } else {
                Backend().RequestQuit();
            }
        });
        return Launch();
    }

    PeerRect Frame() { return Backend().Window(WindowId()).State.Frame; }

    // The file as JSON; a test failure (and null) when it is not valid JSON.
    json Stored() const {
        const std::string text = ReadFile(PrefsFile());
        json parsed = json::parse(text, nullptr, false);
        EXPECT_FALSE(parsed.is_discarded()) << "not valid JSON: " << text;
        return parsed.is_discarded() ? json() : parsed;
    }

    void ExpectRectangleStored(const json& stored, const json& ltwh) const {
        ASSERT_TRUE(stored.is_object()) << stored.dump();
        ASSERT_TRUE(stored.contains("WindowLTWH")) << stored.dump();
        const json& rect = stored["WindowLTWH"];
        ASSERT_TRUE(rect.is_array());
        ASSERT_EQ(rect.size(), 4u);
        for (const auto& element : rect) {
            EXPECT_TRUE(element.is_number_integer()) << rect.dump();
        }
        EXPECT_EQ(rect, ltwh);
    }

    PeerRect opened;
    std::vector<std::int64_t> openedLTWH;
    std::vector<PeerRect> framesAtOpen;
    bool fileDuringRun{false};
};

TEST_F(PreferencesLaunchTest, FirstLaunchCreatesTheFolderAndWritesTheRectangleAtExit) {
    ASSERT_FALSE(fs::exists(ConfigHome() + "/Tessary"));
    EXPECT_EQ(LaunchAndLeave(), 0);
    EXPECT_TRUE(fs::is_directory(ConfigHome() + "/Tessary"));
    EXPECT_EQ(opened, kDesignFrame);
    // The defaults are set but never move the window.
    EXPECT_EQ(openedLTWH, (std::vector<std::int64_t>{10, 50, 600, 400}));
    EXPECT_TRUE(framesAtOpen.empty());
    EXPECT_FALSE(fileDuringRun);
    const json stored = Stored();
    ExpectRectangleStored(stored, kDesignLTWH);
    EXPECT_EQ(stored.size(), 1u);
}

TEST_F(PreferencesLaunchTest, AccountWithoutAConfigurationFolderStillKeepsTheRectangle) {
    fs::remove_all(ConfigHome());
    EXPECT_EQ(LaunchAndLeave(), 0);
    ExpectRectangleStored(Stored(), kDesignLTWH);
}

TEST_F(PreferencesLaunchTest, SecondLaunchRestoresLeftTopWidthAndHeight) {
    EXPECT_EQ(LaunchAndLeave([this] {
                  Backend().MoveWindow(WindowId(), {200, 120, 700, 500});
                  Backend().RequestQuit();
              }),
              0);
    ExpectRectangleStored(Stored(), json::array({200, 120, 700, 500}));

    EXPECT_EQ(LaunchAndLeave(), 0);
    EXPECT_EQ(opened, (PeerRect{200, 120, 700, 500}));
    ExpectRectangleStored(Stored(), json::array({200, 120, 700, 500}));
}

TEST_F(PreferencesLaunchTest, RestoredRectangleIsSetBeforeTheWindowIsKeptOnScreen) {
    WriteFile(PrefsFile(), R"({"WindowLTWH": [-100, 0, 600, 400]})");
    EXPECT_EQ(LaunchAndLeave(), 0);
    // Left, top, width, height one by one, then the top and left edge corrections.
    EXPECT_EQ(framesAtOpen, (std::vector<PeerRect>{{-100, 216, 460, 300},
                                                   {-100, 0, 460, 300},
                                                   {-100, 0, 600, 300},
                                                   {-100, 0, 600, 400},
                                                   {-100, 25, 600, 400},
                                                   {0, 25, 600, 400}}));
    EXPECT_EQ(opened, (PeerRect{0, 25, 600, 400}));
    ExpectRectangleStored(Stored(), json::array({0, 25, 600, 400}));
}

TEST_F(PreferencesLaunchTest, StoredSizeBelowTheMinimumIsRaised) {
    WriteFile(PrefsFile(), R"({"WindowLTWH": [100, 100, 100, 200]})");
    EXPECT_EQ(LaunchAndLeave(), 0);
    EXPECT_EQ(opened, (PeerRect{100, 100, 460, 300}));
}

TEST_F(PreferencesLaunchTest, LongerStoredArrayUsesTheFirstFourAndIsCutAtExit) {
    WriteFile(PrefsFile(), R"({"WindowLTWH": [10, 50, 600, 400, 7, 8]})");
    EXPECT_EQ(LaunchAndLeave(), 0);
    EXPECT_EQ(opened, (PeerRect{10, 50, 600, 400}));
    ExpectRectangleStored(Stored(), json::array({10, 50, 600, 400}));
}

TEST_F(PreferencesLaunchTest, OptionAndCommandHeldDiscardTheFile) {
    WriteFile(PrefsFile(), R"({"WindowLTWH": [10, 50, 600, 400], "Other": 1})");
    machine = [](auto& backend) {
        backend.SetOptionKey(true);
        backend.SetCommandKey(true);
    };
    EXPECT_EQ(LaunchAndLeave(), 0);
    EXPECT_FALSE(fileDuringRun);
    EXPECT_EQ(opened, kDesignFrame);
    EXPECT_EQ(openedLTWH, (std::vector<std::int64_t>{10, 50, 600, 400}));
    // Written anew from what memory held after the reset: the rectangle alone.
    const json stored = Stored();
    ExpectRectangleStored(stored, kDesignLTWH);
    EXPECT_EQ(stored.size(), 1u);
}

// A file the reset may not delete (read-only, or the end of a link as a dotfile manager
// makes) stays exactly as it was, yet the launch starts from the defaults all the same.
TEST_F(PreferencesLaunchTest, ResetOpensAtTheDesignPlaceWhenTheFileMustStay) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may delete or write any file";
    }
    const std::string text = R"({"WindowLTWH":[300,300,700,500]})";
    const std::string dotfile = Root() + "/dotfiles/Tessary.pref";
    constexpr auto kReadOnly =
        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    WriteFile(dotfile, text);
    fs::permissions(dotfile, kReadOnly);
    machine = [](auto& backend) {
        backend.SetOptionKey(true);
        backend.SetCommandKey(true);
    };
    for (const bool link : {false, true}) {
        SCOPED_TRACE(link ? "a link to a read-only file" : "a read-only file");
        fs::create_directories(fs::path(PrefsFile()).parent_path());
        fs::remove(PrefsFile());
        if (link) {
            fs::create_symlink(dotfile, PrefsFile());
        } else {
            fs::copy_file(dotfile, PrefsFile());
        }
        EXPECT_EQ(LaunchAndLeave(), 0);
        EXPECT_EQ(opened, kDesignFrame);
        EXPECT_EQ(fs::symlink_status(PrefsFile()).type(),
                  link ? fs::file_type::symlink : fs::file_type::regular);
        if (link) {
            EXPECT_EQ(fs::read_symlink(PrefsFile()), dotfile);
        }
        EXPECT_EQ(fs::status(PrefsFile()).permissions(), kReadOnly);
        EXPECT_EQ(ReadFile(PrefsFile()), text);
    }
}

TEST_F(PreferencesLaunchTest, OneKeyAloneDoesNotReset) {
    for (const bool option : {true, false}) {
        SCOPED_TRACE(option ? "Option alone" : "Command alone");
        WriteFile(PrefsFile(), R"({"WindowLTWH": [10, 50, 600, 400], "Other": 1})");
        machine = [option](auto& backend) {
            backend.SetOptionKey(option);
            backend.SetCommandKey(!option);
        };
        EXPECT_EQ(LaunchAndLeave(), 0);
        EXPECT_TRUE(fileDuringRun);
        EXPECT_EQ(opened, (PeerRect{10, 50, 600, 400}));
        const json stored = Stored();
        ExpectRectangleStored(stored, json::array({10, 50, 600, 400}));
        EXPECT_EQ(stored.value("Other", 0), 1);
    }
}

TEST_F(PreferencesLaunchTest, EmptyObjectOpensAtTheDesignPlace) {
    WriteFile(PrefsFile(), "{}");
    EXPECT_EQ(LaunchAndLeave(), 0);
    EXPECT_EQ(opened, kDesignFrame);
    // The file loaded, so no defaults were set.
    EXPECT_TRUE(openedLTWH.empty());
    ExpectRectangleStored(Stored(), kDesignLTWH);
}

TEST_F(PreferencesLaunchTest, OtherMembersSurviveTheExitWrite) {
    WriteFile(PrefsFile(),
              R"({"Theme": "dark", "Recent": [1, "two", 3.5], "Nested": {"a": true, "b": null}})");
    EXPECT_EQ(LaunchAndLeave(), 0);
    EXPECT_EQ(opened, kDesignFrame);
    EXPECT_TRUE(openedLTWH.empty());
    const json stored = Stored();
    ExpectRectangleStored(stored, kDesignLTWH);
    EXPECT_EQ(stored["Theme"], "dark");
    EXPECT_EQ(stored["Recent"], json::parse(R"([1, "two", 3.5])"));
    EXPECT_EQ(stored["Nested"], json::parse(R"({"a": true, "b": null})"));
}

TEST_F(PreferencesLaunchTest, InvalidJsonCountsAsMissingAndIsOverwritten) {
    WriteFile(PrefsFile(), R"({"WindowLTWH": [10, 50, 600, 400)");
    EXPECT_EQ(LaunchAndLeave(), 0);
    EXPECT_EQ(opened, kDesignFrame);
    EXPECT_EQ(openedLTWH, (std::vector<std::int64_t>{10, 50, 600, 400}));
    const json stored = Stored();
    ExpectRectangleStored(stored, kDesignLTWH);
    EXPECT_EQ(stored.size(), 1u);
}

// Values far beyond the screen (or beyond 32 bits) are held at the window's limits,
// and the window is then kept on screen like any other.
TEST_F(PreferencesLaunchTest, ExtremeStoredValuesEndInsideTheAvailableArea) {
    WriteFile(PrefsFile(), R"({"WindowLTWH": [2147483647, 2147483647, 2147483647, 2147483647]})");
    EXPECT_EQ(LaunchAndLeave(), 0);
    EXPECT_EQ(opened, (PeerRect{0, 25, 1440, 875}));

    WriteFile(PrefsFile(), R"({"WindowLTWH": [-9000000000000000000, 5000000000, -5, 1e300]})");
    EXPECT_EQ(LaunchAndLeave(), 0);
    EXPECT_EQ(opened, (PeerRect{0, 600, 460, 300}));
    ExpectRectangleStored(Stored(), json::array({0, 600, 460, 300}));
}

// A .pref that is a folder can't be read (by root either) and can't be replaced:
// start-up goes on at the design place and the folder is left alone.
TEST_F(PreferencesLaunchTest, UnreadableFileInTheWayOfTheFileDoesNotStopStartUp) {
    fs::create_directories(PrefsFile());
    WriteFile(PrefsFile() + "/keep", "x");
    EXPECT_EQ(LaunchAndLeave(), 0);
    EXPECT_TRUE(Backend().Dialogs().empty());
    EXPECT_EQ(opened, kDesignFrame);
    EXPECT_EQ(ReadFile(PrefsFile() + "/keep"), "x");
}

// A FIFO in the file's place would block an ordinary open for ever: start-up goes on,
// and the exit write leaves it in place.
TEST_F(PreferencesLaunchTest, FifoInThePlaceOfTheFileDoesNotStallStartUp) {
    fs::create_directories(ConfigHome() + "/Tessary");
    ASSERT_EQ(::mkfifo(PrefsFile().c_str(), 0600), 0);
    EXPECT_EQ(LaunchAndLeave(), 0);
    EXPECT_EQ(opened, kDesignFrame);
    EXPECT_TRUE(fs::is_fifo(PrefsFile()));
}

// Runs body as an unprivileged user (nobody, or uid) when the tests run as root, so that
// file modes count; answers the child's exit code (body's result in-process otherwise).
int AsUnprivilegedUser(const std::string& root, const std::function<int()>& body,
                       uid_t uid = 65534) {
    if (::geteuid() != 0) {
        return body();
    }
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        EXPECT_EQ(::lchown(entry.path().c_str(), uid, 65534), 0) << entry.path();
    }
    EXPECT_EQ(::chown(root.c_str(), uid, 65534), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        int code = 100;
        if (::setgid(65534) == 0 && ::setuid(uid) == 0) {
            try {
                code = body();
            } catch (...) {
                code = 101;
            }
        }
        ::_exit(code);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 102;
}

// A file the user can't read, or may not write, is left exactly as it was at exit.
TEST_F(PreferencesLaunchTest, FileTheUserMayNotReadOrWriteIsLeftAlone) {
    const std::string text = R"({"WindowLTWH": [10, 50, 600, 400], "Other": "x"})";
    for (const auto mode : {fs::perms::owner_write, fs::perms::owner_read}) {
        WriteFile(PrefsFile(), text);
        fs::permissions(PrefsFile(), mode);
        const PeerRect place =
            mode == fs::perms::owner_read ? PeerRect{10, 50, 600, 400} : kDesignFrame;
        const auto launch = [this, place] {
            return LaunchAndLeave() == 0 && opened == place ? 0 : 1;
        };
        EXPECT_EQ(AsUnprivilegedUser(Root(), launch), 0) << "start-up failed, or misplaced";
        fs::permissions(PrefsFile(), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(ReadFile(PrefsFile()), text);
    }
}

// With no HOME, no XDG_CONFIG_HOME and no entry in the password database there is no
// place for preferences: start-up goes on at the design place, nothing is kept.
TEST_F(PreferencesLaunchTest, AccountWithoutAHomeStillStarts) {
    constexpr uid_t kUnknown = 54321;
    if (::geteuid() != 0 || ::getpwuid(kUnknown) != nullptr) {
        GTEST_SKIP() << "needs root, to run as an account the password database doesn't know";
    }
    const auto launch = [this] {
        ::unsetenv("HOME");
        ::unsetenv("XDG_CONFIG_HOME");
        return LaunchAndLeave() == 0 && opened == kDesignFrame ? 0 : 1;
    };
    EXPECT_EQ(AsUnprivilegedUser(Root(), launch, kUnknown), 0) << "start-up failed, or misplaced";
}

// Files that hold JSON the program can't use: start-up goes on at the design place,
// and the exit write leaves valid JSON (with the other members of a readable object).
struct UnusableFile {
    const char* name;
    const char* text;
    bool keepsOthers;

    friend void PrintTo(const UnusableFile& file, std::ostream* os) { *os << file.name; }
};

class UnusableFileTest : public PreferencesLaunchTest,
                         public ::testing::WithParamInterface<UnusableFile> {};

TEST_P(UnusableFileTest, OpensAtTheDesignPlaceAndLeavesValidJson) {
    WriteFile(PrefsFile(), GetParam().text);
    EXPECT_EQ(LaunchAndLeave(), 0);
    EXPECT_TRUE(Backend().Dialogs().empty());
    EXPECT_EQ(opened, kDesignFrame);
    const json stored = Stored();
    ExpectRectangleStored(stored, kDesignLTWH);
    if (GetParam().keepsOthers) {
        EXPECT_EQ(stored.value("Keep", ""), "me");
    }
}

INSTANTIATE_TEST_SUITE_P(
    PreferencesLaunch, UnusableFileTest,
    ::testing::Values(
        UnusableFile{"TopLevelArray", R"([10, 50, 600, 400])", false},
        UnusableFile{"TopLevelNumber", "42", false},
        UnusableFile{"String", R"({"WindowLTWH": "10,50,600,400", "Keep": "me"})", true},
        UnusableFile{"Number", R"({"WindowLTWH": 10, "Keep": "me"})", true},
        UnusableFile{"Boolean", R"({"WindowLTWH": true, "Keep": "me"})", true},
        UnusableFile{"Null", R"({"WindowLTWH": null, "Keep": "me"})", true},
        UnusableFile{"Object",
                     R"({"WindowLTWH": {"l": 10, "t": 50, "w": 600, "h": 400},
                                       "Keep": "me"})",
                     true},
        UnusableFile{"ThreeElements", R"({"WindowLTWH": [10, 50, 600], "Keep": "me"})", true},
        UnusableFile{"OneElement", R"({"WindowLTWH": [10], "Keep": "me"})", true},
        UnusableFile{"EmptyArray", R"({"WindowLTWH": [], "Keep": "me"})", true}),
    [](const auto& info) { return std::string(info.param.name); });

// The window's rectangle reaches the file on every way out of the program.
enum class WayOut { Quit, QuitMenuItem, CloseWindow, CompletionAlert };

const char* NameOf(WayOut way) {
    switch (way) {
        case WayOut::Quit:
            return "Quit";
        case WayOut::QuitMenuItem:
            return "QuitMenuItem";
        case WayOut::CloseWindow:
            return "CloseWindow";
        case WayOut::CompletionAlert:
            return "CompletionAlert";
    }
    return "Unknown";
}

void PrintTo(WayOut way, std::ostream* os) {
    *os << NameOf(way);
}

class WayOutTest : public PreferencesLaunchTest, public ::testing::WithParamInterface<WayOut> {};

TEST_P(WayOutTest, MovedAndResizedWindowIsStored) {
    const std::string font = FontFolder() + "/Some.ttf";
    WriteFile(font, "not really a font");
    EXPECT_EQ(
        LaunchAndLeave([this, font] {
            Backend().MoveWindow(WindowId(), {200, 120, 700, 500});
            switch (GetParam()) {
                case WayOut::Quit:
                    Backend().RequestQuit();
                    break;
                case WayOut::QuitMenuItem:
                    Backend().ChooseMenuItem(Backend().ApplicationMenuBar()->Lookup_("FileQuit"));
                    break;
                case WayOut::CloseWindow:
                    Backend().RequestClose(WindowId());
                    break;
                case WayOut::CompletionAlert:
                    ASSERT_TRUE(Backend().DropPaths(WindowId(), {font}));
                    Backend().ClickButton(RunButtonId());
                    break;
            }
        }),
        0);
    if (GetParam() == WayOut::CompletionAlert) {
        ASSERT_EQ(Backend().Dialogs().size(), 1u);
        EXPECT_EQ(Backend().Dialogs()[0].Request.Message, "Completed.");
    }
    EXPECT_TRUE(Backend().QuitCalled());
    EXPECT_EQ(Preferences::pWindowLTWH, (std::vector<std::int64_t>{200, 120, 700, 500}));
    ExpectRectangleStored(Stored(), json::array({200, 120, 700, 500}));
}

INSTANTIATE_TEST_SUITE_P(PreferencesLaunch, WayOutTest,
                         ::testing::Values(WayOut::Quit, WayOut::QuitMenuItem, WayOut::CloseWindow,
                                           WayOut::CompletionAlert),
                         [](const auto& info) { return std::string(NameOf(info.param)); });

}  // namespace
}  // namespace apptest
