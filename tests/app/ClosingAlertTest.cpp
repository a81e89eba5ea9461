// The two alerts that end a launch: the missing tool's and the completed batch's.
#include <filesystem>

#include "RunFixture.h"

namespace apptest {
namespace {

namespace fs = std::filesystem;
using ClosingAlertTest = RunFixture;

void ExpectOneQuitButton(const fw::DialogRequest& request) {
    EXPECT_EQ(request.Icon, 1);
    EXPECT_EQ(request.ActionButton.Caption, "Quit");
    EXPECT_TRUE(request.ActionButton.Visible);
    EXPECT_FALSE(request.CancelButton.Visible);
    EXPECT_FALSE(request.AlternateActionButton.Visible);
    EXPECT_EQ(request.Parent, 0u);  // application-modal
    EXPECT_FALSE(request.IsMsgBox);
}

TEST_F(ClosingAlertTest, MissingToolAlertHasOneQuitButtonAndEndsTheProgram) {
    RemoveSpot();
    EXPECT_EQ(Launch(), 0);
    EXPECT_TRUE(exitStatuses.empty());
    ASSERT_EQ(Backend().Dialogs().size(), 1u);
    const auto& request = Backend().Dialogs()[0].Request;
    EXPECT_EQ(request.Message, "spot がありません。");
    EXPECT_EQ(request.Explanation, "終了します。");
    ExpectOneQuitButton(request);
    EXPECT_EQ(Backend().Activations(), 0);
    EXPECT_TRUE(Backend().QuitCalled());
}

TEST_F(ClosingAlertTest, CompletionAlertComesToTheFrontThenQuitsAfterTheWindowCloses) {
    SpotPrints("[ 0]={ 3, 1, 409,   1,  8,0} [0]=<Family>\n");
    const std::string font = MakeFont("A.ttf");
    int activationsAfterDrop = -1;
    EXPECT_EQ(DropAndRun({font}, [&] { activationsAfterDrop = Backend().Activations(); }), 0);
    EXPECT_TRUE(exitStatuses.empty());
    ASSERT_EQ(Backend().Dialogs().size(), 1u);
    const auto& request = Backend().Dialogs()[0].Request;
    EXPECT_EQ(request.Message, "Completed.");
    EXPECT_EQ(request.Explanation, "");
    ExpectOneQuitButton(request);
    EXPECT_EQ(activationsAfterDrop, 1);
    EXPECT_EQ(Backend().Activations(), 2);
    EXPECT_TRUE(Backend().QuitCalled());
    // The window's Close wrote its rectangle before the application's Close saved it.
    const std::string prefs = ReadFile(PrefsFile());
    EXPECT_NE(prefs.find("\"WindowLTWH\""), std::string::npos) << prefs;
    EXPECT_NE(prefs.find("460"), std::string::npos) << prefs;
}

}  // namespace
}  // namespace apptest
