#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "TempFolder.h"
#include "framework/RuntimeException.h"
#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"

using namespace fw;

namespace {

std::size_t EntryCount(const std::string& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++n;
    }
    return n;
}

}  // namespace

TEST(TextStreams, RoundTripAndErrors) {
    TempFolder temp;
    const auto file = FolderItem::FromPath(temp / "prefs.pref");
    auto out = TextOutputStream::Create(file);
    out->Write("{\n");
    out->Write(std::string("\0\xFF", 2));
    out->Close();
    out->Close();  // a second close does nothing
    auto in = TextInputStream::Open(file);
    EXPECT_EQ(in->ReadAll(), std::string("{\n\0\xFF", 4));
    in->Close();
    EXPECT_THROW(in->ReadAll(), IOException);

    EXPECT_THROW(TextInputStream::Open(nullptr), NilObjectException);
    EXPECT_THROW(TextOutputStream::Create(nullptr), NilObjectException);
    EXPECT_THROW(TextInputStream::Open(FolderItem::FromPath(temp / "missing")), IOException);
    EXPECT_THROW(TextInputStream::Open(FolderItem::FromPath(temp.Path())), IOException);
    EXPECT_THROW(TextOutputStream::Create(FolderItem::FromPath(temp / "no/file")), IOException);
    EXPECT_THROW(TextOutputStream::Create(FolderItem::FromPath(temp.Path())), IOException);
    EXPECT_EQ(EntryCount(temp.Path()), 1u);
}

TEST(TextStreams, OnlyRegularFilesAreRead) {
    TempFolder temp;
    // A FIFO with no writer would block an ordinary open for ever.
    ASSERT_EQ(::mkfifo((temp / "fifo").c_str(), 0600), 0);
    EXPECT_THROW(TextInputStream::Open(FolderItem::FromPath(temp / "fifo")), IOException);
    // A device would be read without end.
    std::filesystem::create_symlink("/dev/zero", temp / "zero");
    EXPECT_THROW(TextInputStream::Open(FolderItem::FromPath(temp / "zero")), IOException);
}

TEST(TextStreams, ReleaseWithoutCloseCommits) {
    TempFolder temp;
    WriteFile(temp / "f", "old content that is longer");
    {
        auto out = TextOutputStream::Create(FolderItem::FromPath(temp / "f"));
        out->Write("new");
        // Until the stream commits, the old content stays whole.
        EXPECT_EQ(ReadFile(temp / "f"), "old content that is longer");
    }
    EXPECT_EQ(ReadFile(temp / "f"), "new");
    EXPECT_EQ(EntryCount(temp.Path()), 1u);
}

TEST(TextStreams, KeepsPermissionsAndFollowsLinks) {
    TempFolder temp;
    WriteFile(temp / "target", "old");
    ::chmod((temp / "target").c_str(), 0604);
    ASSERT_EQ(::symlink("target", (temp / "link").c_str()), 0);
    auto out = TextOutputStream::Create(FolderItem::FromPath(temp / "link"));
    out->Write("new");
    out->Close();
    struct stat info {};
    ASSERT_EQ(::lstat((temp / "link").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(ReadFile(temp / "target"), "new");
    ASSERT_EQ(::stat((temp / "target").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0604u);
}

// The commit renames over the target, which needs only the folder's permission: a FIFO
// (or a device) behind a link is left alone, and so is a file the user made read-only.
TEST(TextStreams, ReplacesOnlyRegularFiles) {
    TempFolder temp;
    ASSERT_EQ(::mkfifo((temp / "fifo").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("fifo", (temp / "link").c_str()), 0);
    EXPECT_THROW(TextOutputStream::Create(FolderItem::FromPath(temp / "link")), IOException);
    struct stat info {};
    EXPECT_TRUE(::stat((temp / "link").c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
    EXPECT_EQ(EntryCount(temp.Path()), 2u);
}

TEST(TextStreams, ReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write any file";
    }
    TempFolder temp;
    WriteFile(temp / "read-only", "intact");
    ::chmod((temp / "read-only").c_str(), 0444);
    EXPECT_THROW(TextOutputStream::Create(FolderItem::FromPath(temp / "read-only")), IOException);
    EXPECT_EQ(ReadFile(temp / "read-only"), "intact");
}

TEST(TextStreams, ReadOnlyFolderFailsCleanly) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes anywhere";
    }
    TempFolder temp;
    WriteFile(temp / "f", "intact");
    ::chmod(temp.Path().c_str(), 0555);
    EXPECT_THROW(TextOutputStream::Create(FolderItem::FromPath(temp / "f")), IOException);
    ::chmod(temp.Path().c_str(), 0755);
    EXPECT_EQ(ReadFile(temp / "f"), "intact");
    EXPECT_EQ(EntryCount(temp.Path()), 1u);
}

TEST(TextStreams, WriteFailureSurfacesAtCloseAndKeepsTheOldFile) {
    TempFolder temp;
    WriteFile(temp / "f", "intact");
    auto out = TextOutputStream::Create(FolderItem::FromPath(temp / "f"));
    // The folder vanishing under the stream makes the commit fail.
    out->Write("partial");
    std::filesystem::rename(temp / "f", temp / "kept");
    ::chmod(temp.Path().c_str(), 0555);
    if (::geteuid() == 0) {
        ::chmod(temp.Path().c_str(), 0755);
        GTEST_SKIP() << "root writes anywhere";
    }
    EXPECT_THROW(out->Close(), IOException);
    ::chmod(temp.Path().c_str(), 0755);
    EXPECT_EQ(ReadFile(temp / "kept"), "intact");
    EXPECT_FALSE(std::filesystem::exists(temp / "f"));
}

TEST(TextStreams, FailedCommitRaisesAndLeavesTheOldFile) {
    TempFolder temp;
    ::mkdir((temp / "prefs").c_str(), 0755);
    WriteFile(temp / "prefs/f", "intact");
    auto out = TextOutputStream::Create(FolderItem::FromPath(temp / "prefs/f"));
    out->Write("new text");
    // The folder moves away under the stream: the commit can't put the file in place.
    std::filesystem::rename(temp / "prefs", temp / "moved");
    EXPECT_THROW(out->Close(), IOException);
    EXPECT_EQ(ReadFile(temp / "moved/f"), "intact");
    EXPECT_FALSE(std::filesystem::exists(temp / "prefs"));
}
