#include <gtest/gtest.h>

#include "framework/RegEx.h"
#include "framework/RuntimeException.h"

using namespace fw;

namespace {

std::string Replace(const std::string& source, const std::string& pattern,
                    const std::string& replacement, bool all = false, std::int64_t start = 0) {
    RegEx re;
    re.Options.CaseSensitive = true;
    re.Options.ReplaceAllMatches = all;
    re.SearchStartPosition = start;
    re.SearchPattern = pattern;
    re.ReplacementPattern = replacement;
    return re.Replace(source);
}

std::string First(const std::string& source, const std::string& pattern, std::int64_t start = 0,
                  bool caseSensitive = true) {
    RegEx re;
    re.Options.CaseSensitive = caseSensitive;
    re.SearchStartPosition = start;
    re.SearchPattern = pattern;
    const auto match = re.Search(source);
    return match ? match->SubExpressionString(0) : "<none>";
}

}  // namespace

TEST(RegEx, FirstOrAllReplace) {
    EXPECT_EQ(Replace("a1b2", "[0-9]", "#"), "a#b2");
    EXPECT_EQ(Replace("a1b2", "[0-9]", "#", true), "a#b#");
    EXPECT_EQ(Replace("abc", "x", "#", true), "abc");
    EXPECT_EQ(Replace("abc", "x*", "-", true), "-a-b-c-");
    EXPECT_EQ(Replace("é", "", "-", true), "-é-");
    EXPECT_EQ(Replace("[\"10\",\"20\"]", "^\\[\"*", ""), "10\",\"20\"]");
}

TEST(RegEx, ReplacementSyntax) {
    EXPECT_EQ(Replace("x<Name>y", ".+<(.+?)>", "\\1"), "Namey");
    EXPECT_EQ(Replace("ab", "(a)(x)?", "[\\2|\\0|\\1]"), "[|a|a]b");
    EXPECT_EQ(Replace("ab", "a", "\\\\"), "\\b");
    EXPECT_EQ(Replace("ab", "a", "\\n\\"), "\\n\\b");
    EXPECT_EQ(Replace("ab", "a", "\\9"), "b");
    EXPECT_EQ(Replace("00e9x", "^00e9", "é"), "éx");
}

TEST(RegEx, GroupsAndCase) {
    RegEx re;
    re.SearchPattern = "(\\w+)@(\\w+)?";
    const auto m = re.Search("mail: Ann@");
    ASSERT_FALSE(m.IsNil());
    EXPECT_EQ(m->SubExpressionCount(), 3);
    EXPECT_EQ(m->SubExpressionString(1), "Ann");
    EXPECT_EQ(m->SubExpressionString(2), "");
    EXPECT_THROW(m->SubExpressionString(3), OutOfBoundsException);
    EXPECT_EQ(First("ABC", "b", 0, false), "B");  // the default ignores case
    EXPECT_EQ(First("ABC", "b", 0, true), "<none>");
    EXPECT_EQ(First("ÉTÉ", "été", 0, false), "ÉTÉ");
}

TEST(RegEx, StartPositionInBytes) {
    EXPECT_EQ(First("ababab", "ab", 1), "ab");
    EXPECT_EQ(First("éé0041", "[0-9a-f]{4}", 4), "0041");
    EXPECT_EQ(First("abc", "c", 3), "<none>");
    EXPECT_EQ(First("abc", "$", 3), "");
    EXPECT_EQ(First("abc", "a", 99), "<none>");
    EXPECT_EQ(First("éx", ".", 1), "x");  // inside a character: moves on to the next
    EXPECT_EQ(Replace("a1b2", "[0-9]", "#", true, 2), "a1b#");
    EXPECT_EQ(Replace("a1", "[0-9]", "#", false, 9), "a1");
}

TEST(RegEx, InvalidUtf8SubjectIsSafe) {
    const std::string subject = "a\xFF\xC3(b\xE6\x97";
    EXPECT_EQ(First(subject, "b"), "b");
    EXPECT_EQ(First(subject, "\\(."), "(b");
    EXPECT_EQ(Replace(subject, "b", "B", true), "a\xFF\xC3(B\xE6\x97");
    std::string marked = Replace(subject, "", "-", true);
    std::erase(marked, '-');
    EXPECT_EQ(marked, subject);  // every byte kept, none split
    for (std::int64_t start = 0; start <= static_cast<std::int64_t>(subject.size()); ++start) {
        EXPECT_NO_THROW(First(subject, ".", start));
    }
}

TEST(RegEx, RejectedPatternCarriesTheEngineMessage) {
    RegEx re;
    re.SearchPattern = "(unclosed";
    try {
        re.Search("x");
        FAIL() << "no exception";
    } catch (const RegExException& e) {
        EXPECT_NE(e.Message.find("missing closing parenthesis"), std::string::npos) << e.Message;
    }
    re.SearchPattern = "[";
    EXPECT_THROW(re.Replace("x"), RegExException);
}
