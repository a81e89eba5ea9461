// Family names as the real spot prints them for fonts made for the test (see
// fixtures/make_test_fonts.py): an empty family, and one beyond the BMP.
#include <filesystem>

#include "RunFixture.h"

namespace apptest {
namespace {

namespace fs = std::filesystem;
using FamilyNameFromSpotTest = RunFixture;

std::string Fixture(const std::string& name) {
    return std::string(TESSARY_APP_FIXTURES) + "/" + name;
}

TEST_F(FamilyNameFromSpotTest, EmptyFamilyRecordsLeaveTheFontWhereItWas) {
    UseRealSpot();
    const std::string font = CopyFont(Fixture("EmptyFamily.ttf"), FontFolder());
    EXPECT_EQ(DropAndRun({font}), 0);
    EXPECT_EQ(DialogMessages(), std::vector<std::string>{"Completed."});
    EXPECT_EQ(Entries(FontFolder()), std::vector<std::string>{"EmptyFamily.ttf"});
}

TEST_F(FamilyNameFromSpotTest, SurrogatePairEscapesMakeOneCharacter) {
    UseRealSpot();
    const std::string font = CopyFont(Fixture("SmileFamily.ttf"), FontFolder());
    EXPECT_EQ(DropAndRun({font}), 0);
    EXPECT_EQ(DialogMessages(), std::vector<std::string>{"Completed."});
    EXPECT_EQ(Entries(FontFolder()), std::vector<std::string>{"Smile \xF0\x9F\x98\x80"});
    EXPECT_TRUE(fs::exists(FontFolder() + "/Smile \xF0\x9F\x98\x80/SmileFamily.ttf"));
}

TEST_F(FamilyNameFromSpotTest, LoneSurrogateEscapesBecomeReplacementCharacters) {
    SpotPrints("[ 0]={ 3, 1, 409,   1,  8,0} [0]=<Hi \\d83d and \\de00>\n");
    const std::string font = MakeFont("A.ttf");
    EXPECT_EQ(DropAndRun({font}), 0);
    EXPECT_EQ(Entries(FontFolder()), std::vector<std::string>{"Hi \xEF\xBF\xBD and \xEF\xBF\xBD"});
}

}  // namespace
}  // namespace apptest
