// A launch from start to quit: the window as it opens, the missing-tool alert.
#include <filesystem>

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

// A link left behind by a removed tool is a missing tool: no window opens.
TEST_F(StartupTest, ToolLinkToNothingShowsTheMissingToolAlert) {
    RemoveSpot();
    std::filesystem::create_symlink(Root() + "/removed/spot", AppFolder() + "/Resources/spot");
    bool windowOpened = false;
    Then([&] { windowOpened = true; });
    EXPECT_EQ(Launch(), 0);
    EXPECT_FALSE(windowOpened);
    EXPECT_EQ(Backend().Dialogs().size(), 1u);
    EXPECT_TRUE(Backend().QuitCalled());
    EXPECT_EQ(Backend().Dialogs().at(0).Request.Message, "spot がありません。");
}

}  // namespace
}  // namespace apptest
