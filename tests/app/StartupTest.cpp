// A launch from start to quit: the window as it opens, the missing-tool alert.
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "LaunchTest.h"
#include "app/App.h"
#include "app/FileTypeGroup1.h"
#include "framework/SpecialFolder.h"

namespace apptest {
namespace {

using StartupTest = LaunchTest;

TEST_F(StartupTest, WindowOpensAtItsDesignSizeWithTheExecutablesNameAsTitle) {
    UseRealSpot();
    Then([this] {
        const auto& state = Backend().Window(WindowId()).State;
        EXPECT_EQ(state.Title, "Tessary");
        EXPECT_EQ(state.Frame.Width, 460);
        EXPECT_EQ(state.Frame.Height, 300);
        EXPECT_FALSE(Window1()->PushButtonRun()->Enabled());
        EXPECT_EQ(Window1()->Label1()->Text(), "Drop the font file into the window.");
        EXPECT_EQ(Window1()->PushButtonRun()->Caption(), "Run");
        Backend().RequestQuit();
    });
    EXPECT_EQ(Launch(), 0);
    EXPECT_TRUE(exitStatuses.empty());
    ASSERT_EQ(FileTypeGroup1::pAllFileTypes.size(), 2u);
    EXPECT_EQ(FileTypeGroup1::pAllFileTypes[0]->Name, "special/any");
}

// The executable's own name, whatever it is, titles the window, captions the About item
// and names the preferences folder and file.
TEST_F(StartupTest, TheExecutablesNameIsTheApplicationsName) {
    const std::string name = "Tëssary 2";
    const std::string app = Root() + "/" + name;
    std::filesystem::create_directories(app + "/Resources");
    WriteFile(app + "/" + name, "");
    std::filesystem::create_symlink("/usr/libexec/afdko/spot", app + "/Resources/spot");
    fw::SetExecutablePath(app + "/" + name);
    std::string title;
    std::string about;
    Then([&, this] {
        title = Backend().Window(WindowId()).State.Title;
        about = AppAbout()->Text();
        Backend().RequestQuit();
    });
    EXPECT_EQ(Launch(), 0);
    EXPECT_EQ(title, name);
    EXPECT_EQ(about, "About " + name);
    EXPECT_TRUE(std::filesystem::is_regular_file(ConfigHome() + "/" + name + "/" + name + ".pref"));
    EXPECT_FALSE(std::filesystem::exists(PrefsFile()));
}

TEST_F(StartupTest, MissingToolShowsTheAlertAndQuitsWithZero) {
    RemoveSpot();
    EXPECT_EQ(Launch(), 0);
    ASSERT_EQ(Backend().Dialogs().size(), 1u);
    const auto& request = Backend().Dialogs()[0].Request;
    EXPECT_EQ(request.Message, "spot がありません。");
    EXPECT_EQ(request.Explanation, "終了します。");
    EXPECT_EQ(request.Icon, 1);
}

// Whatever can't be run is a missing tool: a link left behind by a removed tool, a
// folder, a file without execute permission (also behind a link). No window opens.
TEST_F(StartupTest, ToolThatCantBeRunShowsTheMissingToolAlert) {
    namespace fs = std::filesystem;
    const std::string spot = AppFolder() + "/Resources/spot";
    const std::string plain = Root() + "/plain-spot";
    std::ofstream(plain) << "#!/bin/sh\n";
    fs::permissions(plain, fs::perms::owner_read | fs::perms::owner_write);
    const std::vector<std::function<void()>> tools{
        [&] { fs::create_symlink(Root() + "/removed/spot", spot); },
        [&] { fs::create_directory(spot); },
        [&] { fs::copy_file(plain, spot); },
        [&] { fs::create_symlink(plain, spot); },
    };
    for (std::size_t i = 0; i < tools.size(); ++i) {
        RemoveSpot();
        tools[i]();
        bool windowOpened = false;
        Then([&] { windowOpened = true; });
        EXPECT_EQ(Launch(), 0) << i;
        EXPECT_FALSE(windowOpened) << i;
        ASSERT_EQ(Backend().Dialogs().size(), 1u) << i;
        EXPECT_EQ(Backend().Dialogs()[0].Request.Message, "spot がありません。");
        EXPECT_TRUE(Backend().QuitCalled()) << i;
    }
}

}  // namespace
}  // namespace apptest
