// The main road end to end with the real spot: drop, Run, "Completed.", quit.
#include <filesystem>

#include "LaunchTest.h"

namespace apptest {
namespace {

namespace fs = std::filesystem;
using FontRunSmokeTest = LaunchTest;

TEST_F(FontRunSmokeTest, DejaVuAndIpaFontsGoIntoTheirFamilyFolders) {
    UseRealSpot();
    const std::string folder = FontFolder();
    const std::string sans = CopyFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", folder);
    const std::string mono =
        CopyFont("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf", folder);
    const std::string ipa = CopyFont("/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf", folder);
    Then([&, this] {
        ASSERT_TRUE(Backend().DropPaths(WindowId(), {sans, mono, ipa}));
        EXPECT_EQ(Window1()->Label1()->Text(), "3 files");
        Backend().ClickButton(RunButtonId());
    });
    EXPECT_EQ(Launch(), 0);
    EXPECT_TRUE(fs::exists(folder + "/DejaVu Sans/DejaVuSans.ttf"));
    EXPECT_TRUE(fs::exists(folder + "/DejaVu Sans Mono/DejaVuSansMono.ttf"));
    EXPECT_TRUE(fs::exists(folder + "/IPAゴシック/ipag.ttf"));
    ASSERT_FALSE(Backend().Dialogs().empty());
    EXPECT_EQ(Backend().Dialogs().back().Request.Message, "Completed.");
}

}  // namespace
}  // namespace apptest
