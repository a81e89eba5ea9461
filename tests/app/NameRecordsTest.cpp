// Reading spot's name table dump: real captured outputs, then crafted lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LaunchTest.h"
#include "framework/Strings.h"
#include "window/NameRecords.h"

namespace apptest {
namespace {

std::vector<std::string> CapturedLines(const std::string& name) {
    return fw::Split(ReadFile(std::string(TESSARY_APP_FIXTURES) + "/spot-name-" + name + ".txt"),
                     "\n");
}

// A record line as spot prints it.
std::string Record(int platform, const std::string& language, int nameID, const std::string& text) {
    return "[ 0]={ " + std::to_string(platform) + ", 1, " + language + ",   " +
           std::to_string(nameID) + ",  22,01cb} [01cb]=<" + text + ">";
}

TEST(NameRecordsCaptured, RealOutputsGiveTheFamilyNames) {
    EXPECT_EQ(NameRecords::ChooseFamilyName(CapturedLines("DejaVuSans")), "DejaVu Sans");
    EXPECT_EQ(NameRecords::ChooseFamilyName(CapturedLines("DejaVuSansMono")), "DejaVu Sans Mono");
    // The Japanese record comes after the English one and replaces it, escapes intact.
    EXPECT_EQ(NameRecords::ChooseFamilyName(CapturedLines("ipag")), "IPA\\30b4\\30b7\\30c3\\30af");
}

TEST(NameRecordsCaptured, HeaderLinesAndNamesWithCommasAreNoRecords) {
    const std::vector<std::string> lines = CapturedLines("DejaVuSans");
    ASSERT_GT(lines.size(), 15u);
    EXPECT_FALSE(NameRecords::Parse(lines[0]));  // "### [name]"
    EXPECT_FALSE(NameRecords::Parse(lines[1]));  // the legend: six fields, but no "[" first
    // Record 0 is the copyright notice, which holds a comma of its own.
    EXPECT_FALSE(NameRecords::Parse(lines[2]));
    const auto family = NameRecords::Parse(lines[3]);
    ASSERT_TRUE(family);
    EXPECT_EQ(family->language, "0");
    EXPECT_EQ(family->nameID, "1");
    EXPECT_EQ(NameRecords::TextOf(family->field), "DejaVu Sans");
}

TEST(NameRecordsParse, BlanksAroundLanguageAndNameIDAreTrimmedButNotInTheName) {
    const auto record = NameRecords::Parse("[1]={3,1,   409 ,  16   ,5,0} [0]=<  Spaced Out >");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->language, "409");
    EXPECT_EQ(record->nameID, "16");
    EXPECT_EQ(NameRecords::TextOf(record->field), "  Spaced Out ");
}

TEST(NameRecordsParse, LinesOfOtherShapesArePassedOver) {
    EXPECT_FALSE(NameRecords::Parse(Record(3, "409", 1, "Name, With Comma")));
    EXPECT_FALSE(NameRecords::Parse(" [ 0]={ 3, 1, 409, 1, 2,0} [0]=<Lead Blank>"));
    EXPECT_FALSE(NameRecords::Parse("[ 0]={ 3, 1, 409, 1, 2} [0]=<Five Fields>"));
    EXPECT_FALSE(NameRecords::Parse(""));
}

TEST(NameRecordsText, MarksAndOddFields) {
    // The CR of a CR LF line end stays behind the ">", and so in the text.
    EXPECT_EQ(NameRecords::TextOf("0000} [0000]=<Fam>\r"), "Fam\r");
    // A field that starts with its "<" has no opening mark: the whole field is the text.
    EXPECT_EQ(NameRecords::TextOf("<Whole>"), "<Whole>");
    // An empty string gives an empty text, not the field.
    EXPECT_EQ(NameRecords::TextOf("0000} [0000]=<>"), "");
    EXPECT_EQ(NameRecords::TextOf(""), "");
    EXPECT_EQ(NameRecords::TextOf("x<a<b>"), "b");
    // A "<" inside the name string reads as it always did; only the empty string changed.
    EXPECT_EQ(NameRecords::TextOf("0000} [0000]=<a<>"), "a<");
    EXPECT_EQ(NameRecords::TextOf("0000} [0000]=<a<>b>"), ">b");
}

TEST(NameRecordsChoose, EveryRowOfTheTableSelectsAndOnlyTheTypographicAsianOnesEndTheScan) {
    struct Row {
        const char* language;
        int nameID;
        bool endsScan;
    };
    for (const Row row :
         {Row{"0", 1, false}, Row{"0", 16, false}, Row{"404", 1, false}, Row{"404", 16, true},
          Row{"409", 1, false}, Row{"409", 16, false}, Row{"411", 1, false}, Row{"411", 16, true},
          Row{"412", 1, false}, Row{"412", 16, true}, Row{"804", 1, false}, Row{"804", 16, true}}) {
        const std::string tag = std::string(row.language) + "/" + std::to_string(row.nameID);
        // Chosen over an earlier match; a later match replaces it unless the scan ended.
        const std::vector<std::string> lines{Record(3, "409", 1, "Before"),
                                             Record(3, row.language, row.nameID, "Row"),
                                             Record(3, "409", 1, "After")};
        EXPECT_EQ(NameRecords::ChooseFamilyName({lines[0], lines[1]}), "Row") << tag;
        EXPECT_EQ(NameRecords::ChooseFamilyName(lines), row.endsScan ? "Row" : "After") << tag;
    }
    // Name IDs and languages outside the table select nothing.
    for (const auto& line : {Record(3, "409", 2, "Style"), Record(3, "405", 1, "Czech"),
                             Record(3, "409", 4, "Full"), Record(1, "11", 1, "Japanese Mac")}) {
        EXPECT_EQ(NameRecords::ChooseFamilyName({line}), "") << line;
    }
}

TEST(NameRecordsChoose, LaterMatchesReplaceEarlierOnes) {
    const std::vector<std::string> lines{
        Record(3, "409", 1, "English"),
        Record(3, "411", 1, "Japanese"),
    };
    EXPECT_EQ(NameRecords::ChooseFamilyName(lines), "Japanese");

    std::vector<std::string> more = lines;
    more.push_back(Record(3, "409", 16, "Typographic"));
    EXPECT_EQ(NameRecords::ChooseFamilyName(more), "Typographic");
}

TEST(NameRecordsChoose, TypographicFamilyInAnEastAsianLanguageEndsTheScan) {
    for (const std::string language : {"404", "411", "412", "804"}) {
        const std::vector<std::string> lines{
            Record(3, language, 16, "First"),
            Record(3, "409", 1, "English"),
            Record(3, "411", 1, "Japanese"),
            Record(3, "409", 16, "Typographic"),
        };
        EXPECT_EQ(NameRecords::ChooseFamilyName(lines), "First") << language;
    }
    // In language 0 or 409 it does not.
    for (const std::string language : {"0", "409"}) {
        const std::vector<std::string> lines{
            Record(3, language, 16, "First"),
            Record(3, "412", 1, "Korean"),
        };
        EXPECT_EQ(NameRecords::ChooseFamilyName(lines), "Korean") << language;
    }
}

TEST(NameRecordsChoose, LanguagesAndNameIDsOutsideTheTableAreIgnored) {
    const std::vector<std::string> lines{
        Record(3, "409", 1, "Chosen"),  Record(3, "407", 1, "German"),
        Record(3, "0409", 1, "Padded"), Record(3, "409", 4, "Full Name"),
        Record(3, "804", 2, "Style"),
    };
    EXPECT_EQ(NameRecords::ChooseFamilyName(lines), "Chosen");
}

TEST(NameRecordsChoose, AnEmptyMatchingStringEmptiesTheChoiceAgain) {
    const std::vector<std::string> lines{
        Record(3, "409", 1, "Named"),
        Record(3, "409", 16, ""),
        "",
    };
    EXPECT_EQ(NameRecords::ChooseFamilyName(lines), "");
}

}  // namespace
}  // namespace apptest
