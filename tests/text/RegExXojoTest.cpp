#include "text/RegExXojo.h"

#include <gtest/gtest.h>

#include "AlertRecorder.h"

namespace {

const std::string kMetacharacterAlert = "Metacharacters ^ $ \\b cannot be used alone.";

class RegExXojoTest : public ::testing::Test {
protected:
    void SetUp() override { RegExXojo::reg = nullptr; }
    void TearDown() override { RegExXojo::reg = nullptr; }

    AlertRecorder recorder;
};

TEST_F(RegExXojoTest, EmptyInputsMakeNoRegExAndShowNothing) {
    EXPECT_EQ(RegExXojo::MachStr("", "a", 0, true), "");
    EXPECT_EQ(RegExXojo::MachStr("abc", "", 0, true), "");
    EXPECT_TRUE(RegExXojo::reg.IsNil());

    EXPECT_EQ(RegExXojo::Replace("", "a", "b", 0, true), "");
    EXPECT_EQ(RegExXojo::Replace("abc", "", "x", 0, true), "abc");
    EXPECT_TRUE(RegExXojo::reg.IsNil());

    // An object made earlier stays in place.
    RegExXojo::MakeRegEx();
    const auto earlier = RegExXojo::reg;
    EXPECT_EQ(RegExXojo::MachStr("", "a", 0, true), "");
    EXPECT_EQ(RegExXojo::Replace("abc", "", "x", 0, true), "abc");
    EXPECT_TRUE(RegExXojo::reg == earlier);
    EXPECT_TRUE(recorder.alerts.empty());
}

TEST_F(RegExXojoTest, LoneMetacharacterPatternsAreRefused) {
    for (const std::string pattern : {"^", "$", "\\b", "\\B"}) {
        recorder.alerts.clear();
        EXPECT_EQ(RegExXojo::Replace("a b", pattern, "x", 0, true), "a b") << pattern;
        ASSERT_EQ(recorder.alerts.size(), 1u) << pattern;
        EXPECT_EQ(recorder.alerts[0], kMetacharacterAlert);
        EXPECT_TRUE(RegExXojo::reg.IsNil()) << pattern;
    }
    recorder.alerts.clear();
    EXPECT_EQ(RegExXojo::Replace("abc", "^a", "x", 0, true), "xbc");
    EXPECT_EQ(RegExXojo::Replace("abc", "c$", "x", 0, true), "abx");
    EXPECT_TRUE(recorder.alerts.empty());
}

TEST_F(RegExXojoTest, ReplaceChangesOnlyTheFirstMatch) {
    EXPECT_EQ(RegExXojo::Replace("aXbXc", "X", "-", 0, true), "a-bXc");
    EXPECT_EQ(RegExXojo::Replace("abc", "z", "-", 0, true), "abc");
    EXPECT_EQ(RegExXojo::Replace("name <Fam>", ".+<(.+?)>", "\\1", 0, true), "Fam");
}

TEST_F(RegExXojoTest, MachStrGivesTheWholeFirstMatch) {
    EXPECT_EQ(RegExXojo::MachStr("x12y345", "[0-9]+", 0, true), "12");
    EXPECT_EQ(RegExXojo::MachStr("abc", "[0-9]", 0, true), "");
}

TEST_F(RegExXojoTest, CaseSensitivityFollowsTheFlag) {
    EXPECT_EQ(RegExXojo::MachStr("ABC", "b", 0, true), "");
    EXPECT_EQ(RegExXojo::MachStr("ABC", "b", 0, false), "B");
    EXPECT_EQ(RegExXojo::Replace("ABC", "b", "x", 0, true), "ABC");
    EXPECT_EQ(RegExXojo::Replace("ABC", "b", "x", 0, false), "AxC");
}

TEST_F(RegExXojoTest, StartPositionCountsCharacters) {
    EXPECT_EQ(RegExXojo::MachStr("ééab", ".+", 0, true), "ééab");
    EXPECT_EQ(RegExXojo::reg->SearchStartPosition, 0);

    EXPECT_EQ(RegExXojo::MachStr("ééab", ".+", 2, true), "ab");
    EXPECT_EQ(RegExXojo::reg->SearchStartPosition, 4);

    EXPECT_EQ(RegExXojo::Replace("ééab", ".", "X", 2, true), "ééXb");
    EXPECT_EQ(RegExXojo::reg->SearchStartPosition, 4);

    // A start past the end finds nothing.
    EXPECT_EQ(RegExXojo::MachStr("éa", ".", 5, true), "");
    EXPECT_EQ(RegExXojo::Replace("éa", ".", "X", 5, true), "éa");
}

TEST_F(RegExXojoTest, EngineErrorShowsOneAlertAndGivesEmptyText) {
    EXPECT_EQ(RegExXojo::MachStr("abc", "(", 0, true), "");
    ASSERT_EQ(recorder.alerts.size(), 1u);
    const std::string prefix = "RegEx error: \n";
    EXPECT_EQ(recorder.alerts[0].rfind(prefix, 0), 0u) << recorder.alerts[0];
    EXPECT_GT(recorder.alerts[0].size(), prefix.size());

    recorder.alerts.clear();
    EXPECT_EQ(RegExXojo::Replace("abc", "[a", "x", 0, true), "");
    ASSERT_EQ(recorder.alerts.size(), 1u);
    EXPECT_EQ(recorder.alerts[0].rfind(prefix, 0), 0u) << recorder.alerts[0];
}

TEST_F(RegExXojoTest, EveryCallThatReachesTheEngineMakesAFreshRegEx) {
    RegExXojo::MachStr("abc", "b", 0, true);
    const auto first = RegExXojo::reg;
    ASSERT_FALSE(first.IsNil());
    RegExXojo::Replace("abc", "b", "x", 0, true);
    EXPECT_FALSE(RegExXojo::reg == first);
    EXPECT_FALSE(RegExXojo::reg.IsNil());
}

}  // namespace
