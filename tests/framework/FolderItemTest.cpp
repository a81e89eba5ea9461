#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <vector>

#include "TempFolder.h"
#include "framework/CrossDeviceMove.h"
#include "framework/FolderItem.h"
#include "framework/RuntimeException.h"
#include "framework/SpecialFolder.h"

using namespace fw;

TEST(FolderItem, NamesAndParents) {
    const auto item = FolderItem::FromPath("/a/b/Font.TTF/");
    EXPECT_EQ(item->NativePath(), "/a/b/Font.TTF");
    EXPECT_EQ(item->Name(), "Font.TTF");
    EXPECT_EQ(item->Parent()->NativePath(), "/a/b");
    EXPECT_EQ(FolderItem::FromPath("/a")->Parent()->NativePath(), "/");
    EXPECT_TRUE(FolderItem::FromPath("/")->Parent().IsNil());
    EXPECT_TRUE(FolderItem::FromPath("").IsNil());
    EXPECT_EQ(FolderItem::FromPath("/")->Child("etc")->NativePath(), "/etc");
}

TEST(FolderItem, ChildRefusesNamesThatLeaveTheFolder) {
    const auto folder = FolderItem::FromPath("/tmp");
    EXPECT_TRUE(folder->Child("").IsNil());
    EXPECT_TRUE(folder->Child(".").IsNil());
    EXPECT_TRUE(folder->Child("..").IsNil());
    EXPECT_TRUE(folder->Child("a/b").IsNil());
    EXPECT_TRUE(folder->Child("/").IsNil());
    EXPECT_TRUE(folder->Child(std::string_view("a\0b", 3)).IsNil());
    EXPECT_EQ(folder->Child("...")->Name(), "...");
    EXPECT_EQ(folder->Child("a\\b")->Name(), "a\\b");
}

TEST(FolderItem, ChildFollowsLinksToExistingItems) {
    TempFolder temp;
    WriteFile(temp / "real", "x");
    ASSERT_EQ(::symlink((temp / "real").c_str(), (temp / "link").c_str()), 0);
    ASSERT_EQ(::symlink((temp / "missing").c_str(), (temp / "dangling").c_str()), 0);
    const auto folder = FolderItem::FromPath(temp.Path());
    char real[PATH_MAX];
    ASSERT_NE(::realpath((temp / "real").c_str(), real), nullptr);
    EXPECT_EQ(folder->Child("link")->NativePath(), real);
    EXPECT_EQ(folder->Child("link", false)->NativePath(), temp / "link");
    const auto dangling = folder->Child("dangling");
    EXPECT_EQ(dangling->NativePath(), temp / "dangling");
    EXPECT_TRUE(dangling->Exists());
    EXPECT_FALSE(folder->Child("nothing")->Exists());
}

TEST(FolderItem, CreateAndDelete) {
    TempFolder temp;
    const auto folder = FolderItem::FromPath(temp / "Family");
    folder->CreateAsFolder();
    EXPECT_TRUE(folder->IsFolder());
    folder->CreateAsFolder();  // again: nothing raised
    WriteFile(temp / "Family/f", "x");
    folder->Delete();  // not empty: stays
    EXPECT_TRUE(folder->Exists());
    folder->Child("f")->Delete();
    folder->Delete();
    EXPECT_FALSE(folder->Exists());
    FolderItem::FromPath(temp / "no/such/folder")->CreateAsFolder();
    EXPECT_FALSE(FolderItem::FromPath(temp / "no")->Exists());
}

TEST(FolderItem, MoveNeverReplacesOrLoses) {
    TempFolder temp;
    WriteFile(temp / "font.ttf", "font");
    WriteFile(temp / "other.ttf", "other");
    const auto font = FolderItem::FromPath(temp / "font.ttf");

    EXPECT_FALSE(font->MoveFileTo(FolderItem::FromPath(temp / "other.ttf")));
    EXPECT_EQ(ReadFile(temp / "font.ttf"), "font");
    EXPECT_EQ(ReadFile(temp / "other.ttf"), "other");

    // Into a path under a file, and across a missing folder: nothing moves.
    EXPECT_FALSE(font->MoveFileTo(FolderItem::FromPath(temp / "other.ttf/font.ttf")));
    EXPECT_FALSE(font->MoveFileTo(FolderItem::FromPath(temp / "missing/font.ttf")));
    EXPECT_FALSE(font->MoveFileTo(nullptr));
    EXPECT_FALSE(font->MoveFileTo(font));
    EXPECT_EQ(ReadFile(temp / "font.ttf"), "font");

    ::mkdir((temp / "Family").c_str(), 0777);
    EXPECT_TRUE(font->MoveFileTo(FolderItem::FromPath(temp / "Family/font.ttf")));
    EXPECT_FALSE(font->Exists());
    EXPECT_EQ(ReadFile(temp / "Family/font.ttf"), "font");
}

// A folder on /dev/shm, a tmpfs: usually another file system than the temporary folder.
class CrossDeviceMove : public ::testing::Test {
protected:
    void SetUp() override {
        struct stat shm {};
        struct stat tmp {};
        if (::stat("/dev/shm", &shm) != 0 || ::stat(temp.Path().c_str(), &tmp) != 0 ||
            shm.st_dev == tmp.st_dev || ::access("/dev/shm", W_OK) != 0) {
            GTEST_SKIP() << "/dev/shm is no second writable file system here";
        }
        char pattern[] = "/dev/shm/fw_core.XXXXXX";
        other = ::mkdtemp(pattern);
    }
    void TearDown() override {
        SetMoveFaultHook_(nullptr);
        if (!other.empty()) {
            std::filesystem::remove_all(other);
        }
    }
    std::vector<std::string> Entries(const std::string& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    TempFolder temp;
    std::string other;
};

TEST_F(CrossDeviceMove, CopiesWithModeAndTimesThenRemoves) {
    const std::string source = temp / "font.otf";
    WriteFile(source, std::string(200000, 'f'));
    ::chmod(source.c_str(), 0640);
    const timespec times[2] = {{1000000000, 0}, {1200000000, 500}};
    ASSERT_EQ(::utimensat(AT_FDCWD, source.c_str(), times, 0), 0);
    const std::string target = other + "/font.otf";
    WriteFile(target, "kept");
    EXPECT_FALSE(FolderItem::FromPath(source)->MoveFileTo(FolderItem::FromPath(target)));
    EXPECT_EQ(ReadFile(target), "kept");
    EXPECT_EQ(ReadFile(source).size(), 200000u);
    ::unlink(target.c_str());

    EXPECT_TRUE(FolderItem::FromPath(source)->MoveFileTo(FolderItem::FromPath(target)));
    EXPECT_EQ(ReadFile(target), std::string(200000, 'f'));
    struct stat moved {};
    ASSERT_EQ(::stat(target.c_str(), &moved), 0);
    EXPECT_EQ(moved.st_mode & 0777, 0640u);
    EXPECT_EQ(moved.st_mtim.tv_sec, 1200000000);
    EXPECT_EQ(moved.st_mtim.tv_nsec, 500);
    EXPECT_FALSE(FolderItem::FromPath(source)->Exists());
    EXPECT_EQ(Entries(other), std::vector<std::string>{"font.otf"});
}

// A copy that fails part-way, or a source that can't be removed, leaves the source alone
// and nothing beside the destination. Part-way, what a kill would leave is the part
// copied so far under a hidden name, never under the font's own name.
TEST_F(CrossDeviceMove, AFailedStepLeavesOnlyTheSource) {
    WriteFile(temp / "font.ttf", std::string(300000, 'f'));
    const std::string target = other + "/font.ttf";
    for (const MoveStep failing : {MoveStep::CopyChunk, MoveStep::RemoveSource}) {
        int chunks = 0;
        SetMoveFaultHook_([&](MoveStep step) {
            if (step == MoveStep::CopyChunk) {
                const std::vector<std::string> names = Entries(other);
                EXPECT_TRUE(names.size() == 1 && names[0].rfind(".moving-", 0) == 0);
                return step != failing || ++chunks < 3;
            }
            return step != failing;
        });
        EXPECT_FALSE(
            FolderItem::FromPath(temp / "font.ttf")->MoveFileTo(FolderItem::FromPath(target)));
        EXPECT_TRUE(Entries(other).empty());
        EXPECT_EQ(ReadFile(temp / "font.ttf"), std::string(300000, 'f'));
    }
}

// Another program may put something else at the source while it moves, or save a new
// version there. Whatever it put there stays, untouched, and nothing arrives.
TEST_F(CrossDeviceMove, ASourceReplacedMidwayStaysAndNothingArrives) {
    const std::string source = temp / "font.ttf";
    const std::string saved = temp / "saved";
    const auto putOver = [&] { ASSERT_EQ(::rename(saved.c_str(), source.c_str()), 0); };
    struct Case {
        const char* what;
        bool link;  // the source is a symbolic link
        MoveStep when;
        std::function<void()> replace;
        bool changed;
    };
    const std::vector<Case> cases = {
        {"a new version saved over the file", false, MoveStep::RemoveSource,
         [&] {
             WriteFile(saved, "new version");
             putOver();
         },
         true},
        {"the file written in place", false, MoveStep::RemoveSource,
         [&] { std::ofstream(source, std::ios::app) << " more"; }, true},
        {"the link made anew", true, MoveStep::RemoveSource,
         [&] {
             ::symlink("/new/target", saved.c_str());
             putOver();
         },
         true},
        {"a FIFO before the file is opened", false, MoveStep::OpenSource,
         [&] {
             ::mkfifo(saved.c_str(), 0644);
             putOver();
         },
         false},
    };
    const auto font = FolderItem::FromPath(source);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ::unlink(source.c_str());
        if (c.link) {
            ASSERT_EQ(::symlink("/old/target", source.c_str()), 0);
        } else {
            WriteFile(source, "font");
        }
        struct stat put {};
        SetMoveFaultHook_([&](MoveStep step) {
            if (step == c.when) {
                c.replace();
                ::lstat(source.c_str(), &put);
            }
            return true;
        });
        auto moving = std::async(std::launch::async, [&] {
            return font->MoveFileTo(FolderItem::FromPath(other + "/font.ttf"));
        });
        if (moving.wait_for(std::chrono::seconds(20)) == std::future_status::timeout) {
            ADD_FAILURE() << "the move blocked";
            ::close(::open(source.c_str(), O_WRONLY | O_NONBLOCK));  // lets a blocked open end
        }
        EXPECT_FALSE(moving.get());
        EXPECT_EQ(font->MoveFoundSourceChanged(), c.changed);
        EXPECT_TRUE(Entries(other).empty());
        struct stat left {};
        ASSERT_EQ(::lstat(source.c_str(), &left), 0);
        EXPECT_EQ(left.st_ino, put.st_ino);
        EXPECT_EQ(left.st_mode, put.st_mode);
        EXPECT_EQ(left.st_size, put.st_size);
    }
}

// A family folder one may write to but not read can't be opened to be synced; mv moves
// into it all the same, and so does this.
TEST_F(CrossDeviceMove, IntoAFolderThatCantBeRead) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads any folder";
    }
    const std::string family = other + "/Family";
    ASSERT_EQ(::mkdir(family.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(family.c_str(), 0333), 0);
    WriteFile(temp / "font.ttf", "font");
    EXPECT_TRUE(FolderItem::FromPath(temp / "font.ttf")
                    ->MoveFileTo(FolderItem::FromPath(family + "/font.ttf")));
    EXPECT_FALSE(FolderItem::FromPath(temp / "font.ttf")->Exists());
    EXPECT_EQ(ReadFile(family + "/font.ttf"), "font");
    ASSERT_EQ(::chmod(family.c_str(), 0700), 0);
    EXPECT_EQ(Entries(family), std::vector<std::string>{"font.ttf"});
}

TEST(FolderItem, ShellPathQuoting) {
    EXPECT_EQ(FolderItem::FromPath("/usr/bin/spot")->ShellPath(), "/usr/bin/spot");
    EXPECT_EQ(FolderItem::FromPath("/a b")->ShellPath(), "'/a b'");
    EXPECT_EQ(FolderItem::FromPath("/it's")->ShellPath(), "'/it'\\''s'");
    EXPECT_EQ(FolderItem::FromPath("/$(x)")->ShellPath(), "'/$(x)'");
}

TEST(SpecialFolder, ResourcesBesideTheExecutable) {
    SetExecutablePath("/Apps/Tessary/Tessary");
    EXPECT_EQ(ExecutableFile()->Name(), "Tessary");
    EXPECT_EQ(SpecialFolder::Resources()->NativePath(), "/Apps/Tessary/Resources");
    SetExecutablePath("");
    EXPECT_EQ(ExecutableFile()->Name(), "fw_core_tests");
}

TEST(SpecialFolder, ApplicationDataFromTheEnvironmentIsMadeWhenMissing) {
    TempFolder temp;
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string config = savedConfig ? savedConfig : "";
    ::setenv("HOME", (temp / "home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (temp / "cfg/nested").c_str(), 1);
    EXPECT_EQ(SpecialFolder::ApplicationData()->NativePath(), temp / "cfg/nested");
    EXPECT_TRUE(std::filesystem::is_directory(temp / "cfg/nested"));
    ::setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(SpecialFolder::ApplicationData()->NativePath(), temp / "home/.config");
    EXPECT_TRUE(std::filesystem::is_directory(temp / "home/.config"));
    ::setenv("XDG_CONFIG_HOME", "relative", 1);  // would land below the working folder
    EXPECT_EQ(SpecialFolder::ApplicationData()->NativePath(), temp / "home/.config");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(SpecialFolder::ApplicationData()->NativePath(), temp / "home/.config");
    ::setenv("HOME", savedHome.c_str(), 1);
    if (savedConfig) {
        ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    }
}
