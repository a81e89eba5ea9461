// The font run when spot or the file system misbehaves: the batch goes on, what can't be
// filed stays where it was, and the completion alert says which fonts stayed and why.
#include <fcntl.h>
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
    UseStandInSpot(
        "case \"${3##*/}\" in\n"
        "  endless*) yes '" +
        kRecord +
        "' ;;\n"
        "  hang*) sleep 100 ;;\n"
        "  *bad*) exit 1 ;;\n"
        "  *) echo '" +
        kRecord +
        "' ;;\n"
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
    EXPECT_EQ(LastExplanation(),
              "11 fonts stayed where they were.\n"
              "bad0.ttf — spot could not read it\n"
              "bad1.ttf — spot could not read it\n"
              "bad2.ttf — spot could not read it\n"
              "bad3.ttf — spot could not read it\n"
              "bad4.ttf — spot could not read it\n"
              "bad5.ttf — spot could not read it\n"
              "endless.ttf — spot's output was too large\n"
              "hang.otf — spot timed out\n"
              "pipe.ttf — not a regular file\n"
              "rel.ttf — a link with a relative target");
    // The relative link stays, still leading to its font; the absolute link moved and
    // still leads there.
    EXPECT_EQ(fs::read_symlink(fonts[3]), "sub/real.ttf");
    EXPECT_EQ(ReadFile(fonts[3]), "font");
    EXPECT_EQ(Entries(FontFolder() + "/Family"), std::vector<std::string>{"abs.ttf"});
    EXPECT_EQ(ReadFile(FontFolder() + "/Family/abs.ttf"), "font");
    EXPECT_TRUE(fs::exists(fonts[0]) && fs::exists(fonts[1]) && fs::exists(fonts[2]));
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
    EXPECT_EQ(LastExplanation(),
              "2 fonts stayed where they were.\nA.ttf — the move failed\n"
              "B.ttf — the family folder could not be made");
    EXPECT_EQ(ReadFile(fonts[0]), "font");
    EXPECT_EQ(ReadFile(fonts[1]), "font");
}

TEST_F(FontRunFaultTest, FamilyFolderOnAnotherFileSystem) {
    struct stat shm {};
    struct stat tmp {};
    if (::stat("/dev/shm", &shm) != 0 || ::stat(FontFolder().c_str(), &tmp) != 0 ||
        shm.st_dev == tmp.st_dev || ::access("/dev/shm", W_OK) != 0) {
        GTEST_SKIP() << "/dev/shm is no second writable file system here";
    }
    char pattern[] = "/dev/shm/tessary.XXXXXX";
    const std::string elsewhere = ::mkdtemp(pattern);
    fs::create_directory_symlink(elsewhere, FontFolder() + "/Family");
    SpotPrints(kRecord + "\n");
    const std::vector<std::string> fonts{MakeFont("A.ttf", "a"), MakeFont("B.ttf", "b")};
    const timespec times[2] = {{1000000000, 0}, {1200000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, fonts[0].c_str(), times, 0), 0);
    // The second font's original can't be removed.
    int removals = 0;
    fw::SetMoveFaultHook_(
        [&](fw::MoveStep step) { return step != fw::MoveStep::RemoveSource || ++removals == 1; });
    EXPECT_EQ(DropAndRun(fonts), 0);
    fw::SetMoveFaultHook_(nullptr);
    EXPECT_EQ(LastExplanation(), "1 font stayed where it was.\nB.ttf — the move failed");
    EXPECT_EQ(Entries(elsewhere), std::vector<std::string>{"A.ttf"});
    struct stat moved {};
    ASSERT_EQ(::stat((elsewhere + "/A.ttf").c_str(), &moved), 0);
    EXPECT_EQ(moved.st_mtim.tv_sec, 1200000000);
    EXPECT_EQ(ReadFile(fonts[1]), "b");
    fs::remove_all(elsewhere);
}

}  // namespace
}  // namespace apptest
