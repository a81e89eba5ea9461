// The font run against a stand-in spot that prints crafted output: what is filed,
// what stays, and that the batch always ends in "Completed." and exit status 0.
#include <filesystem>

#include "RunFixture.h"
#include "window/Window1.h"

namespace apptest {
namespace {

namespace fs = std::filesystem;
using FontRunEdgeTest = RunFixture;

const std::string kHeader =
    "### [name] \n"
    "--- record[index]={platformId,scriptId,languageId,nameId,length,offset} = <name value>\n";

std::string FamilyOutput(const std::string& family) {
    return kHeader + NameRecordLine("409", 1, family) + "\n";
}

#define EXPECT_COMPLETED(status)                                             \
    do {                                                                     \
        EXPECT_EQ(status, 0);                                                \
        EXPECT_TRUE(exitStatuses.empty());                                   \
        EXPECT_EQ(DialogMessages(), std::vector<std::string>{"Completed."}); \
    } while (0)

TEST_F(FontRunEdgeTest, OutputEndingInLineFeedFilesTheFont) {
    SpotPrints(FamilyOutput("Family"));
    const std::string font = MakeFont("A.ttf");
    EXPECT_COMPLETED(DropAndRun({font}));
    EXPECT_EQ(LastExplanation(), "");
    EXPECT_EQ(Entries(FontFolder()), std::vector<std::string>{"Family"});
    EXPECT_EQ(ReadFile(FontFolder() + "/Family/A.ttf"), "font");
}

TEST_F(FontRunEdgeTest, UnusableOutputLeavesTheFontWhereItWas) {
    struct Case {
        const char* what;
        std::string output;
        int status;
        std::string reason;
    };
    const std::string unread = "spot could not read it";
    const std::string noName = "no family name";
    const std::vector<Case> cases{
        {"non-zero exit", FamilyOutput("Family"), 1, unread},
        {"empty output", "", 0, unread},
        {"one record without a final LF", NameRecordLine("409", 1, "Family"), 0, unread},
        {"no matching record", kHeader + NameRecordLine("409", 2, "Regular") + "\n", 0, noName},
        {"only an empty family string", FamilyOutput(""), 0, noName},
        {"family with a comma", FamilyOutput("Family, Inc"), 0, noName},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        SpotPrints(c.output, c.status);
        const std::string font = MakeFont("A.ttf");
        EXPECT_COMPLETED(DropAndRun({font}));
        EXPECT_EQ(LastExplanation(),
                  Explained("1 font stayed where it was.", {{"A.ttf", c.reason}}));
        EXPECT_EQ(Entries(FontFolder()), std::vector<std::string>{"A.ttf"});
    }
}

TEST_F(FontRunEdgeTest, CarriageReturnStaysAtTheEndOfTheFamilyName) {
    SpotPrints(kHeader + NameRecordLine("409", 1, "Family") + "\r\n");
    const std::string font = MakeFont("A.ttf");
    EXPECT_COMPLETED(DropAndRun({font}));
    EXPECT_TRUE(fs::exists(FontFolder() + "/Family\r/A.ttf"));
}

// Names that would lead outside the font's folder, or name no item: nothing moves and
// nothing is made anywhere.
TEST_F(FontRunEdgeTest, DecodedNamesThatNameNoChildLeaveTheFont) {
    const std::vector<std::string> texts{
        "\\\\",                                   // only backslashes: decodes to nothing
        ".",        "..", "a/b", "\\002e\\002e",  // ".." by escapes
        "x\\002fy",                               // "/" by an escape
        "\\0000",                                 // NUL
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        TearDown();
        SetUp();
        SpotPrints(FamilyOutput(text));
        const std::string font = MakeFont("A.ttf");
        const std::vector<std::string> rootBefore = Entries(Root());
        EXPECT_COMPLETED(DropAndRun({font}));
        EXPECT_EQ(LastExplanation(),
                  Explained("1 font stayed where it was.",
                            {{"A.ttf", "the family name can't be a folder name"}}));
        EXPECT_EQ(Entries(FontFolder()), std::vector<std::string>{"A.ttf"});
        EXPECT_EQ(Entries(Root()), rootBefore);
        EXPECT_EQ(ReadFile(font), "font");
    }
}

TEST_F(FontRunEdgeTest, ExistingFamilyFolderIsReusedWithItsContents) {
    SpotPrints(FamilyOutput("Family"));
    MakeFont("Family/Old.ttf", "old");
    const std::string font = MakeFont("A.ttf");
    EXPECT_COMPLETED(DropAndRun({font}));
    EXPECT_EQ(Entries(FontFolder() + "/Family"), (std::vector<std::string>{"A.ttf", "Old.ttf"}));
    EXPECT_EQ(ReadFile(FontFolder() + "/Family/Old.ttf"), "old");
}

TEST_F(FontRunEdgeTest, FamilyItemThatIsAFileKeepsBothFiles) {
    SpotPrints(FamilyOutput("Family"));
    MakeFont("Family", "a file");
    const std::string font = MakeFont("A.ttf");
    EXPECT_COMPLETED(DropAndRun({font}));
    EXPECT_EQ(LastExplanation(), Explained("1 font stayed where it was.",
                                           {{"A.ttf", "the family folder could not be made"}}));
    EXPECT_EQ(Entries(FontFolder()), (std::vector<std::string>{"A.ttf", "Family"}));
    EXPECT_EQ(ReadFile(FontFolder() + "/Family"), "a file");
    EXPECT_EQ(ReadFile(font), "font");
}

TEST_F(FontRunEdgeTest, FontOfANameAlreadyInTheFamilyFolderStaysAndNothingIsLost) {
    SpotPrints(FamilyOutput("Family"));
    MakeFont("Family/A.ttf", "already there");
    const std::string font = MakeFont("A.ttf", "dropped");
    EXPECT_COMPLETED(DropAndRun({font}));
    EXPECT_EQ(LastExplanation(),
              Explained("1 font stayed where it was.",
                        {{"A.ttf", "an item of that name is already in the family folder"}}));
    EXPECT_EQ(ReadFile(font), "dropped");
    EXPECT_EQ(ReadFile(FontFolder() + "/Family/A.ttf"), "already there");
}

TEST_F(FontRunEdgeTest, TwoFontsOfOneFamilyEndInOneFolder) {
    SpotPrints(FamilyOutput("Family"));
    const std::string regular = MakeFont("Regular.otf", "r");
    const std::string bold = MakeFont("Bold.ttf", "b");
    EXPECT_COMPLETED(DropAndRun({regular, bold}));
    EXPECT_EQ(Entries(FontFolder()), std::vector<std::string>{"Family"});
    EXPECT_EQ(Entries(FontFolder() + "/Family"),
              (std::vector<std::string>{"Bold.ttf", "Regular.otf"}));
}

// Gone since the drop, or taken by another program while spot reads it: named, never
// passed over.
TEST_F(FontRunEdgeTest, FontGoneBeforeOrDuringTheRunIsNamed) {
    UseStandInSpot(
        "case \"${3##*/}\" in\n"
        "  Taken*) rm \"$3\"; exit 1 ;;\n"
        "  *) printf '%s\\n' '" +
        NameRecordLine("409", 1, "Family") +
        "' ;;\n"
        "esac\n");
    const std::string gone = MakeFont("Gone.ttf");
    const std::string kept = MakeFont("Kept.ttf");
    const std::string moved = MakeFont("Moved.ttf");
    MakeFont("Taken.ttf");
    EXPECT_COMPLETED(DropAndRun({gone, kept, moved, FontFolder() + "/Taken.ttf"}, [&] {
        fs::remove(gone);
        fs::rename(moved, Root() + "/Moved.ttf");
    }));
    EXPECT_EQ(LastExplanation(),
              Explained("3 fonts stayed where they were.", {{"Gone.ttf", "no longer there"},
                                                            {"Moved.ttf", "no longer there"},
                                                            {"Taken.ttf", "no longer there"}}));
    EXPECT_EQ(Entries(FontFolder()), std::vector<std::string>{"Family"});
    EXPECT_EQ(Entries(FontFolder() + "/Family"), std::vector<std::string>{"Kept.ttf"});
}

TEST_F(FontRunEdgeTest, RunOnAnEmptyListShowsNothingAndDoesNotQuit) {
    SpotPrints(FamilyOutput("Family"));
    Step([this] {
        Window1()->PushButtonRun_Action(Window1()->PushButtonRun());
        EXPECT_TRUE(Backend().Dialogs().empty());
        EXPECT_FALSE(Backend().QuitCalled());
        Backend().RequestQuit();
    });
    EXPECT_EQ(LaunchSteps(), 0);
    EXPECT_TRUE(Backend().Dialogs().empty());
}

}  // namespace
}  // namespace apptest
