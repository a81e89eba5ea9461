// File names that a shell would read as code reach spot as exactly their path, and
// nothing else runs.
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "RunFixture.h"
#include "framework/Strings.h"

namespace apptest {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kHostileNames{
    "two  blanks .ttf",   "it's.ttf",          "say \"hi\".ttf",
    "$(touch pwned).ttf", "`touch pwned`.ttf", "semi; touch pwned.ttf",
    "line\nbreak.ttf",    "tab\there.otf",     "back\\slash.ttf",
    "-dash.ttf",          "日本語 é.ttf",
};

class HostileNameTest : public RunFixture {
protected:
    void SetUp() override {
        RunFixture::SetUp();
        // Commands that sneak through would run here.
        workFolder_ = Root() + "/cwd";
        fs::create_directories(workFolder_);
        previous_ = fs::current_path();
        fs::current_path(workFolder_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        RunFixture::TearDown();
    }

    bool Pwned() const {
        for (const auto& entry : fs::recursive_directory_iterator(Root())) {
            const std::string name = entry.path().filename().string();
            if (name == "pwned" || name == "pwned.ttf") {
                return true;
            }
        }
        return false;
    }

    std::vector<std::string> Fonts(const std::string& source) {
        std::vector<std::string> paths;
        for (const std::string& name : kHostileNames) {
            paths.push_back(CopyFont(source, FontFolder(), name));
        }
        return paths;
    }

    std::string workFolder_;
    fs::path previous_;
};

TEST_F(HostileNameTest, StandInSpotReceivesEachPathExactly) {
    const std::string log = Root() + "/arguments";
    // Each run logs its arguments, NUL-terminated, and prints one record.
    UseStandInSpot("printf '%s\\0' \"$#\" \"$1\" \"$2\" \"$3\" >> '" + log +
                   "'\nprintf '[ 0]={ 3, 1, 409,   1,  8,0} [0]=<Hostile>\\n'\n");
    std::vector<std::string> fonts;
    for (const std::string& name : kHostileNames) {
        fonts.push_back(MakeFont(name, name));
    }
    EXPECT_EQ(DropAndRun(fonts), 0);
    EXPECT_EQ(DialogMessages(), std::vector<std::string>{"Completed."});

    std::vector<std::string> logged = fw::Split(ReadFile(log), std::string(1, '\0'));
    ASSERT_EQ(logged.size(), kHostileNames.size() * 4 + 1);  // the last piece is empty
    std::vector<std::string> received;
    for (std::size_t i = 0; i + 4 <= logged.size(); i += 4) {
        EXPECT_EQ(logged[i], "3");
        EXPECT_EQ(logged[i + 1], "-t");
        EXPECT_EQ(logged[i + 2], "name=3");
        received.push_back(logged[i + 3]);
    }
    std::sort(received.begin(), received.end());
    std::vector<std::string> expected = fonts;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(received, expected);

    for (const std::string& name : kHostileNames) {
        EXPECT_EQ(ReadFile(FontFolder() + "/Hostile/" + name), name) << name;
    }
    EXPECT_FALSE(Pwned());
}

TEST_F(HostileNameTest, RealSpotFilesTheFontsUnderTheirOwnNames) {
    UseRealSpot();
    const std::vector<std::string> fonts = Fonts("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    EXPECT_EQ(DropAndRun(fonts), 0);
    EXPECT_EQ(Entries(FontFolder()), std::vector<std::string>{"DejaVu Sans"});
    std::vector<std::string> expected = kHostileNames;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Entries(FontFolder() + "/DejaVu Sans"), expected);
    EXPECT_FALSE(Pwned());
}

}  // namespace
}  // namespace apptest
