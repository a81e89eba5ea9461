// A launch from start to quit: the window as it opens, the missing-tool alert.
#include "LaunchTest.h"
#include "app/App.h"
#include "app/FileTypeGroup1.h"

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

TEST_F(StartupTest, MissingToolShowsTheAlertAndQuitsWithZero) {
    RemoveSpot();
    EXPECT_EQ(Launch(), 0);
    ASSERT_EQ(Backend().Dialogs().size(), 1u);
    const auto& request = Backend().Dialogs()[0].Request;
    EXPECT_EQ(request.Message, "spot がありません。");
    EXPECT_EQ(request.Explanation, "終了します。");
    EXPECT_EQ(request.Icon, 1);
}

}  // namespace
}  // namespace apptest
