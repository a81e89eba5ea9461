// The font run when spot or the file system misbehaves: the batch goes on, what can't be
// filed stays where it was, and the completion alert says which fonts stayed and why.
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "RunFixture.h"
#include "app/AFDKO.h"
#include "framework/CrossDeviceMove.h"

namespace apptest {
namespace {

namespace fs = std::filesystem;
using FontRunFaultTest = RunFixture;

const std::string kRecord = NameRecordLine("409", 1, "Family");

TEST_F(FontRunFaultTest, SpotThatNeverEndsOrWouldBlockIsStoppedAndTheBatchGoesOn) {
    // By file name: endless output, no end at all, no usable output, a family.
    UseStandInSpot("r='" + kRecord +
                   "'\n"
                   "case \"${3##*/}\" in\n"
                   "  endless*) yes \"$r\" ;;\n"
                   "  hang*) sleep 100 ;;\n"
                   "  *bad*) exit 1 ;;\n"
                   "  *) echo \"$r\" ;;\n"
                   "esac\n");
    const std::string real = MakeFont("sub/real.ttf");
    std::vector<std::string> fonts{MakeFont("endless.ttf"),    MakeFont("hang.otf"),
                                   FontFolder() + "/pipe.ttf", FontFolder() + "/rel.ttf",
                                   FontFolder() + "/abs.ttf",  MakeFont("zz-bad.ttf")};
    ASSERT_EQ(::mkfifo(fonts[2].c_str(), 0644), 0);
    fs::create_symlink("sub/real.ttf", fonts[3]);
    fs::create_symlink(real, fonts[4]);
    for (int i = 0; i < 6; ++i) {  // more than the alert lists
        fonts.push_back(MakeFont("bad" + std::to_string(i) + ".ttf"));
    }
    const int status = DropAndRun(fonts, [] { AFDKO::spotTimeLimit = std::chrono::seconds(1); });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(DialogMessages(), std::vector<std::string>{"Completed."});
    std::vector<std::pair<std::string, std::string>> listed;
    for (int i = 0; i < 6; ++i) {
        listed.emplace_back("bad" + std::to_string(i) + ".ttf", "spot could not read it");
    }
    listed.insert(listed.end(), {{"endless.ttf", "spot's output was too large"},
                                 {"hang.otf", "spot timed out"},
                                 {"pipe.ttf", "not a regular file"},
                                 {"rel.ttf", "a link with a relative target"}});
    EXPECT_EQ(LastExplanation(), Explained("11 fonts stayed where they were.", listed) +
                                     "\n1 more font is not listed.");
    // The relative link stays, still leading to its font; the absolute link moved and
    // still leads there.
    EXPECT_EQ(fs::read_symlink(fonts[3]), "sub/real.ttf");
    EXPECT_EQ(ReadFile(fonts[3]), "font");
    EXPECT_EQ(Entries(FontFolder() + "/Family"), std::vector<std::string>{"abs.ttf"});
    EXPECT_EQ(ReadFile(FontFolder() + "/Family/abs.ttf"), "font");
    EXPECT_TRUE(fs::exists(fonts[0]) && fs::exists(fonts[1]) && fs::exists(fonts[2]));
}

// A family folder on another file system (here through a link to /dev/shm) makes the move
// a copy; a new version saved over the font meanwhile stays, and the alert says why.
TEST_F(FontRunFaultTest, FontSavedAnewDuringACopyingMoveStaysAndSaysSo) {
    struct stat shm {};
    struct stat fonts {};
    if (::stat("/dev/shm", &shm) != 0 || ::stat(FontFolder().c_str(), &fonts) != 0 ||
        shm.st_dev == fonts.st_dev || ::access("/dev/shm", W_OK) != 0) {
        GTEST_SKIP() << "/dev/shm is no second writable file system here";
    }
    char pattern[] = "/dev/shm/tessary-family.XXXXXX";
    const std::string family = ::mkdtemp(pattern);
    fs::create_symlink(family, FontFolder() + "/Family");
    SpotPrints(kRecord + "\n");
    const std::string font = MakeFont("A.ttf", "old version");
    fw::SetMoveFaultHook_([&](fw::MoveStep step) {
        if (step == fw::MoveStep::RemoveSource) {  // an editor's save: a new file renamed over
            WriteFile(font + ".new", "new version");
            fs::rename(font + ".new", font);
        }
        return true;
    });
    EXPECT_EQ(DropAndRun({font}), 0);
    fw::SetMoveFaultHook_(nullptr);
    EXPECT_EQ(LastExplanation(),
              Explained("1 font stayed where it was.", {{"A.ttf", "changed during the move"}}));
    EXPECT_EQ(ReadFile(font), "new version");
    EXPECT_TRUE(fs::is_empty(family));
    fs::remove_all(family);
}

TEST_F(FontRunFaultTest, ReadOnlyFontFoldersKeepTheirFontsAndSaySo) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes anywhere";
    }
    SpotPrints(kRecord + "\n");
    fs::create_directory(FontFolder() + "/Family");
    const std::vector<std::string> fonts{MakeFont("A.ttf"), MakeFont("sub/B.ttf")};
    fs::permissions(FontFolder() + "/sub", fs::perms::owner_write, fs::perm_options::remove);
    fs::permissions(FontFolder(), fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(DropAndRun(fonts), 0);
    EXPECT_EQ(LastExplanation(), Explained("2 fonts stayed where they were.",
                                           {{"A.ttf", "the move failed"},
                                            {"B.ttf", "the family folder could not be made"}}));
    EXPECT_EQ(ReadFile(fonts[0]), "font");
    EXPECT_EQ(ReadFile(fonts[1]), "font");
    fs::permissions(FontFolder(), fs::perms::owner_write, fs::perm_options::add);
    fs::permissions(FontFolder() + "/sub", fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace
}  // namespace apptest
