#include "text/DecodeUnicode.h"

#include <gtest/gtest.h>

#include "AlertRecorder.h"
#include "text/CodePoint.h"

namespace {

const std::string kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD
const std::string kGrinningFace = "\xF0\x9F\x98\x80";      // U+1F600

struct Case {
    const char* input;
    std::string expected;
};

void ExpectDecodes(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeUnicode(c.input), c.expected) << "input: " << c.input;
    }
}

TEST(DecodeUnicode, TextWithoutEscapes) {
    ExpectDecodes({
        {"", ""},
        {"Arial", "Arial"},
        {"Hiragino Sans", "Hiragino Sans"},
    });
}

TEST(DecodeUnicode, EscapesBecomeCharacters) {
    ExpectDecodes({
        {"\\00e9", "é"},
        {"\\004142", "A42"},
        {"Caf\\00e9 Bold", "Café Bold"},
        {"\\30d2\\30e9\\30ae\\30ce", "ヒラギノ"},
        {"\\00e9\\00e9", "éé"},
    });
}

TEST(DecodeUnicode, BackslashesWithoutAnEscapeDisappear) {
    ExpectDecodes({
        {"\\00E9", "00E9"},
        {"\\00e", "00e"},
        {"\\x00e9", "x00e9"},
        {"a\\\\b", "ab"},
        {"ab\\", "ab"},
        {"\\\\\\", ""},
        {"\\ 00e9", " 00e9"},
    });
}

// The decoded character is handed over as a replacement; characters that the engine's
// replacement syntax reads specially must still come through as themselves.
TEST(DecodeUnicode, CharactersSpecialToReplacementsArriveIntact) {
    ExpectDecodes({
        {"\\005c", "\\"},
        {"\\005c\\0031", "\\1"},
        {"\\005c0", "\\0"},
        {"\\0024", "$"},
        {"\\00241", "$1"},
        {"\\0026", "&"},
        {"\\0031x", "1x"},
    });
}

TEST(DecodeUnicode, SurrogatePairsMakeOneCharacter) {
    ExpectDecodes({
        {"\\d83d\\de00", kGrinningFace},
        {"a\\d83d\\de00b", "a" + kGrinningFace + "b"},
        {"\\d800\\dc00", "\xF0\x90\x80\x80"},  // U+10000
        {"\\dbff\\dfff", "\xF4\x8F\xBF\xBF"},  // U+10FFFF
        {"\\d83d\\de00\\d83d\\de00", kGrinningFace + kGrinningFace},
    });
}

TEST(DecodeUnicode, LoneSurrogatesGiveTheReplacementCharacter) {
    const std::string& fffd = kReplacementCharacter;
    ExpectDecodes({
        {"\\d83d", fffd},
        {"\\de00", fffd},
        {"\\d83dx", fffd + "x"},
        // Text between the two escapes: not a pair.
        {"\\d83dx\\de00", fffd + "x" + fffd},
        // Low before high: not a pair.
        {"\\de00\\d83d", fffd + fffd},
        {"\\d83d\\0041", fffd + "A"},
        {"\\d83d\\d83d\\de00", fffd + kGrinningFace},
        {"\\d83d\\", fffd},
        {"\\d83d\\\\de00", fffd + fffd},
        {"\\D83D\\de00", "D83D" + fffd},
        {"\\d83d\\DE00", fffd + "DE00"},
    });
}

TEST(DecodeUnicode, ShowsNoAlerts) {
    AlertRecorder recorder;
    DecodeUnicode("\\^\\$\\b\\(\\[\\00e9");
    EXPECT_TRUE(recorder.alerts.empty());
    EXPECT_EQ(DecodeUnicode("\\^\\$\\b\\(\\[\\00e9"), "^$b([é");
}

TEST(CodePoint, Decode) {
    EXPECT_EQ(CodePoint::Decode("0041"), "A");
    EXPECT_EQ(CodePoint::Decode("00e9"), "é");
    EXPECT_EQ(CodePoint::Decode("00E9"), "é");
    EXPECT_EQ(CodePoint::Decode("1f600"), kGrinningFace);
    EXPECT_EQ(CodePoint::Decode("01f600"), "");
    EXPECT_EQ(CodePoint::Decode("d800"), kReplacementCharacter);
}

}  // namespace
