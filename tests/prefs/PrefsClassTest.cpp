#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <vector>

#include "PrefsTestSupport.h"
#include "framework/RuntimeException.h"
#include "prefs/PreferenceNotFoundException.h"

namespace {

using Preferences::PreferenceNotFoundException;

using PrefsClassTest = PrefsFolderTest;

TEST_F(PrefsClassTest, ConstructorTouchesNoFile) {
    TestPrefs prefs(kAppName);
    EXPECT_EQ(prefs.ClassName(), "Preferences.PrefsClass");
    EXPECT_TRUE(prefs.mPrefsFile.IsNil());
    EXPECT_EQ(prefs.mPrefs->Count(), 0);
    EXPECT_FALSE(prefs.mPrefs->Compact);
    EXPECT_FALSE(prefs.Save());
    EXPECT_TRUE(std::filesystem::is_empty(configHome_));
}

TEST_F(PrefsClassTest, LoadWithoutFolderCreatesItAndReturnsFalse) {
    TestPrefs prefs(kAppName);
    EXPECT_FALSE(prefs.Load());
    EXPECT_TRUE(std::filesystem::is_directory(Folder()));
    EXPECT_FALSE(std::filesystem::exists(File()));
    ASSERT_FALSE(prefs.mPrefsFile.IsNil());
    EXPECT_EQ(prefs.mPrefsFile->NativePath(), File().string());
    EXPECT_EQ(prefs.mPrefs->Count(), 0);
}

TEST_F(PrefsClassTest, EmptyOrBlankFileLoadsAsEmptyObject) {
    for (const std::string text : {"", "  \n\t "}) {
        WriteFile(text);
        TestPrefs prefs(kAppName);
        EXPECT_TRUE(prefs.Load());
        const fw::Variant has = prefs.Has("WindowLTWH");
        EXPECT_EQ(has.GetType(), fw::Variant::Type::Boolean);
        EXPECT_FALSE(has.BooleanValue());
    }
}

TEST_F(PrefsClassTest, ObjectWithoutWindowRectangleLoads) {
    WriteFile(R"({"Other": 5})");
    TestPrefs prefs(kAppName);
    EXPECT_TRUE(prefs.Load());
    EXPECT_FALSE(prefs.Has("WindowLTWH").BooleanValue());
    EXPECT_TRUE(prefs.Has("Other").BooleanValue());
    EXPECT_EQ(prefs.Get("Other").IntegerValue(), 5);
    EXPECT_EQ(prefs.Operator_Lookup("Other").IntegerValue(), 5);
}

TEST_F(PrefsClassTest, InvalidJSONKeepsContentAndIsReplacedBySave) {
    WriteFile("{\"WindowLTWH\": [1, 2,");
    TestPrefs prefs(kAppName);
    prefs.Set("Kept", "yes");
    EXPECT_FALSE(prefs.Load());
    EXPECT_EQ(prefs.Get("Kept").StringValue(), "yes");
    EXPECT_FALSE(prefs.Has("WindowLTWH").BooleanValue());

    EXPECT_TRUE(prefs.Save());
    TestPrefs reread(kAppName);
    EXPECT_TRUE(reread.Load());
    EXPECT_EQ(reread.Get("Kept").StringValue(), "yes");
}

TEST_F(PrefsClassTest, OtherMembersSurviveSaveInExpandedLayout) {
    WriteFile(R"({"Other":{"deep":[1,"two"]},"WindowLTWH":[1,2,3,4]})");
    TestPrefs prefs(kAppName);
    ASSERT_TRUE(prefs.Load());
    prefs.Set("WindowLTWH", std::vector<std::int64_t>{10, 50, 600, 400});
    ASSERT_TRUE(prefs.Save());

    const std::string text = ReadFile();
    EXPECT_NE(text.find('\n'), std::string::npos) << text;
    TestPrefs reread(kAppName);
    ASSERT_TRUE(reread.Load());
    EXPECT_EQ(reread.GetArrayInteger("WindowLTWH"), (std::vector<std::int64_t>{10, 50, 600, 400}));
    EXPECT_EQ(reread.Get("Other").As<fw::JSONItem>()->ToString(), R"({"deep":[1,"two"]})");
}

TEST_F(PrefsClassTest, RemoveDeletesTheFileAndSaveWritesItAgain) {
    WriteFile(R"({"A": 1})");
    TestPrefs prefs(kAppName);
    ASSERT_TRUE(prefs.Load());
    prefs.Remove();
    EXPECT_FALSE(std::filesystem::exists(File()));
    EXPECT_EQ(prefs.Get("A").IntegerValue(), 1);

    ASSERT_TRUE(prefs.Save());
    TestPrefs reread(kAppName);
    ASSERT_TRUE(reread.Load());
    EXPECT_EQ(reread.Get("A").IntegerValue(), 1);
}

TEST_F(PrefsClassTest, RemoveFindsTheFileWithoutLoad) {
    WriteFile(R"({"A": 1})");
    TestPrefs prefs(kAppName);
    prefs.Remove();
    EXPECT_FALSE(std::filesystem::exists(File()));
    ASSERT_FALSE(prefs.mPrefsFile.IsNil());
    prefs.Set("B", 2);
    EXPECT_TRUE(prefs.Save());
    EXPECT_NE(ReadFile().find("\"B\""), std::string::npos);
}

// The reset deletes only what the exit write would replace: what stands at the end of a
// link and may not be replaced stays exactly as it was, and so does the link.
TEST_F(PrefsClassTest, RemoveLeavesWhatSaveMayNotReplace) {
    namespace fs = std::filesystem;
    const fs::path fifo = configHome_ / "fifo";
    const fs::path folder = configHome_ / "folder";
    const fs::path readOnly = configHome_ / "read-only";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    fs::create_directory(folder);
    std::ofstream(readOnly) << "{}";
    fs::permissions(readOnly,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::vector<fs::path> targets{fifo, folder};
    if (::geteuid() != 0) {  // root may write anything
        targets.push_back(readOnly);
    }
    fs::create_directories(Folder());
    for (const fs::path& target : targets) {
        fs::remove(File());
        fs::create_symlink(target, File());
        const auto type = fs::status(target).type();
        TestPrefs prefs(kAppName);
        prefs.Remove();
        // The reset holds all the same: the kept file is not read.
        EXPECT_FALSE(prefs.Load()) << target;
        prefs.Set("WindowLTWH", std::vector<std::int64_t>{1, 2, 3, 4});
        EXPECT_FALSE(prefs.Save()) << target;
        EXPECT_EQ(fs::read_symlink(File()), target);
        EXPECT_EQ(fs::status(target).type(), type) << target;
    }
    EXPECT_TRUE(fs::is_empty(folder));
    std::ifstream in(readOnly);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "{}");
}

TEST_F(PrefsClassTest, RemoveWithoutFolderDoesNothing) {
    TestPrefs prefs(kAppName);
    prefs.Remove();
    EXPECT_TRUE(prefs.mPrefsFile.IsNil());
    EXPECT_FALSE(std::filesystem::exists(Folder()));
    EXPECT_FALSE(prefs.Save());
    EXPECT_TRUE(std::filesystem::is_empty(configHome_));
}

TEST_F(PrefsClassTest, SetCopiesTheArray) {
    TestPrefs prefs(kAppName);
    std::vector<std::int64_t> rectangle{1, 2, 3, 4};
    prefs.Set("WindowLTWH", rectangle);
    rectangle[0] = 99;
    EXPECT_EQ(prefs.GetArrayInteger("WindowLTWH"), (std::vector<std::int64_t>{1, 2, 3, 4}));

    prefs.Operator_Lookup("WindowLTWH", std::vector<std::int64_t>{5});
    EXPECT_EQ(prefs.GetArrayInteger("WindowLTWH"), std::vector<std::int64_t>{5});
}

TEST_F(PrefsClassTest, GetOfAnAbsentKeyRaises) {
    TestPrefs prefs(kAppName);
    prefs.Set("Other", 1);
    try {
        prefs.Get("WindowLTWH");
        FAIL() << "no exception";
    } catch (const PreferenceNotFoundException& e) {
        EXPECT_EQ(e.Message, "Preference value 'WindowLTWH' does not exist.");
        EXPECT_EQ(e.ErrorNumber, 0);
        EXPECT_EQ(e.ClassName(), "Preferences.PreferenceNotFoundException");
    }
    EXPECT_THROW(prefs.Operator_Lookup("Missing"), PreferenceNotFoundException);
}

TEST_F(PrefsClassTest, WithoutPreferencesObject) {
    TestPrefs prefs(kAppName);
    prefs.mPrefs = nullptr;
    EXPECT_TRUE(prefs.Has("WindowLTWH").IsNil());
    EXPECT_EQ(prefs.Get("WindowLTWH").IntegerValue(), -1);
    EXPECT_NO_THROW(prefs.Set("WindowLTWH", 1));
}

TEST_F(PrefsClassTest, TopLevelArrayCountsAsInvalidAndIsReplacedBySave) {
    WriteFile("[1, 2]");
    TestPrefs prefs(kAppName);
    EXPECT_FALSE(prefs.Load());
    EXPECT_FALSE(prefs.Has("WindowLTWH").BooleanValue());
    prefs.Set("WindowLTWH", fw::Variant(std::vector<std::int64_t>{1, 2, 3, 4}));
    ASSERT_TRUE(prefs.Save());

    TestPrefs reread(kAppName);
    ASSERT_TRUE(reread.Load());
    EXPECT_EQ(reread.GetArrayInteger("WindowLTWH"), (std::vector<std::int64_t>{1, 2, 3, 4}));
}

TEST_F(PrefsClassTest, AppNameThatIsNoFileNameRaisesInsteadOfEscaping) {
    for (const std::string name : {"", "..", "a/b"}) {
        TestPrefs prefs(name);
        EXPECT_THROW(prefs.Load(), fw::NilObjectException) << name;
        EXPECT_TRUE(prefs.mPrefsFile.IsNil());
        EXPECT_FALSE(prefs.Save());
    }
    EXPECT_TRUE(std::filesystem::is_empty(configHome_));
}

// A file beyond the limits may hold what others need: Load refuses it and Save leaves it
// exactly as it was. Right at the limits a file still loads.
TEST_F(PrefsClassTest, FileTooLargeOrTooDeepIsNeverSavedOver) {
    const auto nested = [](int levels) {
        return "{\"a\":" + std::string(levels - 1, '[') + std::string(levels - 1, ']') + "}";
    };
    // Blanks alone read as an empty object.
    for (const std::string& text :
         {nested(TestPrefs::kMaxDepth), std::string(TestPrefs::kMaxFileBytes, ' ')}) {
        WriteFile(text);
        EXPECT_TRUE(TestPrefs(kAppName).Load()) << text.size();
    }
    for (const std::string& text :
         {nested(TestPrefs::kMaxDepth + 1), std::string(TestPrefs::kMaxFileBytes + 1, ' ')}) {
        WriteFile(text);
        TestPrefs prefs(kAppName);
        try {
            EXPECT_FALSE(prefs.Load());
        } catch (const fw::IOException& e) {
            EXPECT_EQ(e.ErrorNumber, EFBIG);
        }
        prefs.Set("WindowLTWH", std::vector<std::int64_t>{1, 2, 3, 4});
        EXPECT_FALSE(prefs.Save());
        EXPECT_EQ(ReadFile(), text);
    }
    // Within the limits, but past the size limit once written in the expanded layout.
    std::string zeros(TestPrefs::kMaxFileBytes / 2, '0');
    for (std::size_t i = 1; i < zeros.size(); i += 2) {
        zeros[i] = ',';
    }
    const std::string text = "{\"a\":[" + zeros + "0]}";
    WriteFile(text);
    TestPrefs prefs(kAppName);
    ASSERT_TRUE(prefs.Load());
    EXPECT_FALSE(prefs.Save());
    EXPECT_EQ(ReadFile(), text);
}

// Save's outcome as seen by a user without root's override of file permissions:
// in a child that has dropped to "nobody" when the tests run as root.
bool SaveAsUnprivilegedUser(TestPrefs& prefs) {
    if (geteuid() != 0) {
        return prefs.Save();
    }
    const pid_t child = fork();
    if (child == 0) {
        int code = 3;
        if (setgid(65534) == 0 && setuid(65534) == 0) {
            try {
                code = prefs.Save() ? 1 : 0;
            } catch (...) {
                code = 2;
            }
        }
        _exit(code);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_LE(WEXITSTATUS(status), 1) << "Save raised, or the child could not drop root";
    return WEXITSTATUS(status) == 1;
}

// A failed write must leave the earlier file whole and report False.
TEST_F(PrefsClassTest, SaveIntoReadOnlyFolderKeepsOldFile) {
    const std::string old = R"({"WindowLTWH":[1,2,3,4]})";
    WriteFile(old);
    TestPrefs prefs(kAppName);
    ASSERT_TRUE(prefs.Load());
    prefs.Set("WindowLTWH", std::vector<std::int64_t>{10, 50, 600, 400});

    using std::filesystem::perms;
    std::filesystem::permissions(configHome_, perms::owner_all | perms::group_read |
                                                  perms::group_exec | perms::others_read |
                                                  perms::others_exec);
    std::filesystem::permissions(Folder(), perms::owner_read | perms::owner_exec |
                                               perms::group_read | perms::group_exec |
                                               perms::others_read | perms::others_exec);
    EXPECT_FALSE(SaveAsUnprivilegedUser(prefs));
    EXPECT_EQ(ReadFile(), old);
}

// Same, for a write that fails part-way (the file size limit stands in for a full disk).
TEST_F(PrefsClassTest, SaveThatFailsPartWayKeepsOldFile) {
    const std::string old = R"({"WindowLTWH":[1,2,3,4]})";
    WriteFile(old);
    TestPrefs prefs(kAppName);
    ASSERT_TRUE(prefs.Load());
    prefs.Set("Long", std::string(4096, 'x'));

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved_ok = prefs.Save();
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(ReadFile(), old);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(Folder())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u) << "a temporary file was left behind";
}

}  // namespace
