#include <gtest/gtest.h>

#include <cmath>

#include "framework/Strings.h"

using namespace fw;

TEST(Strings, EqualityFoldsCase) {
    EXPECT_TRUE(StringEquals("ARIAL.TTF", "arial.ttf"));
    EXPECT_TRUE(StringEquals(".TtF", ".ttf"));
    EXPECT_FALSE(StringEquals(".ttf", ".otf"));
    EXPECT_FALSE(StringEquals("abc", "abcd"));
    // Full folding: sharp s against SS, and the Greek final sigma.
    EXPECT_TRUE(StringEquals("STRASSE", "straße"));
    EXPECT_TRUE(StringEquals("ΟΔΟΣ", "οδος"));
    EXPECT_TRUE(StringEquals("ΟΔΟΣ", "οδός") == false);
    EXPECT_TRUE(StringEquals("Σίσυφος", "ΣΊΣΥΦΟΣ"));
    EXPECT_TRUE(StringEquals("ÉTÉ", "été"));
}

TEST(Strings, EqualityOnInvalidUtf8IsByteWise) {
    EXPECT_TRUE(StringEquals("a\xFF", "a\xFF"));
    EXPECT_FALSE(StringEquals("A\xFF", "a\xFF"));
    EXPECT_FALSE(StringEquals("\xC3", "\xC3\xA9"));
    EXPECT_TRUE(StringEquals("", ""));
}

TEST(Strings, ByteFunctions) {
    EXPECT_EQ(LenB("é"), 2);
    EXPECT_EQ(RightB("aé", 2), "é");
    EXPECT_EQ(RightB("aé", 1), "\xA9");  // bytes, even when that splits a character
    EXPECT_EQ(RightB("abc", 10), "abc");
    EXPECT_EQ(RightB("abc", 0), "");
    EXPECT_EQ(RightB("abc", -1), "");
}

TEST(Strings, CharacterFunctionsCountCodePoints) {
    EXPECT_EQ(Len("aé日😀"), 4);
    EXPECT_EQ(Len("a\xFF\xFE"), 3);  // each invalid byte counts once
    EXPECT_EQ(Len("\xE6\x97"), 2);   // a truncated sequence too
    EXPECT_EQ(Left("éèa", 2), "éè");
    EXPECT_EQ(Left("😀x", 1), "😀");
    EXPECT_EQ(Left("ab", 5), "ab");
    EXPECT_EQ(Left("ab", 0), "");
    EXPECT_EQ(Left("\xFF"
                   "a",
                   1),
              "\xFF");
}

TEST(Strings, SplitKeepsEmptyPieces) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitB("a,,b,", ","), (V{"a", "", "b", ""}));
    EXPECT_EQ(SplitB("", ","), (V{""}));
    EXPECT_EQ(SplitB(",", ","), (V{"", ""}));
    EXPECT_EQ(SplitB("a<>b", "<>"), (V{"a", "b"}));
    EXPECT_EQ(Split("line1\nline2\n", "\n"), (V{"line1", "line2", ""}));
    EXPECT_EQ(Split("", "\n"), (V{""}));
    // Split compares the separator with the string equality.
    EXPECT_EQ(Split("aXbxc", "x"), (V{"a", "b", "c"}));
    EXPECT_EQ(SplitB("aXbxc", "x"), (V{"aXb", "c"}));
    EXPECT_EQ(Join({"a", "", "b"}, "\\"), "a\\\\b");
}

TEST(Strings, TrimAndReplace) {
    EXPECT_EQ(Trim(" \t 409 \r\n"), "409");
    EXPECT_EQ(Trim("\u3000x y\u00A0"), "x y");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("a\xFF "), "a\xFF");
    EXPECT_EQ(Replace("a\",\"b\",\"c", "\",\"", ","), "a,b\",\"c");
    EXPECT_EQ(ReplaceAll("a\",\"b\",\"c", "\",\"", ","), "a,b,c");
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(Replace("Font.TTF", ".ttf", ".otf"), "Font.otf");
    EXPECT_EQ(Replace("abc", "z", "y"), "abc");
}

TEST(Strings, Val) {
    EXPECT_EQ(Val("&hFFFF"), 65535.0);
    EXPECT_EQ(Val("&h00e9"), 233.0);
    EXPECT_EQ(Val("&H10ffff"), 1114111.0);
    EXPECT_EQ(Val("&h"), 0.0);
    EXPECT_EQ(Val("&hxyz"), 0.0);
    EXPECT_EQ(Val("&o17"), 15.0);
    EXPECT_EQ(Val("&b101"), 5.0);
    EXPECT_EQ(Val("12abc"), 12.0);
    EXPECT_EQ(Val("-1.9"), -1.9);
    EXPECT_EQ(Val(""), 0.0);
    EXPECT_EQ(Val("1e3"), 1000.0);
    EXPECT_EQ(Val("1e"), 1.0);
    EXPECT_EQ(Val(" 42 "), 42.0);
    EXPECT_EQ(Val("+7"), 7.0);
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val("abc"), 0.0);
    EXPECT_EQ(Val("-"), 0.0);
    EXPECT_EQ(Val("inf"), 0.0);
    EXPECT_EQ(Val("nan"), 0.0);
    EXPECT_EQ(Val("[10"), 0.0);
    EXPECT_EQ(Val("9223372036854775808"), 9223372036854775808.0);
    EXPECT_TRUE(std::isinf(Val("1e999")));
}

TEST(Strings, ToStringHasNoLocale) {
    EXPECT_EQ(ToString(-9223372036854775807 - 1), "-9223372036854775808");
    EXPECT_EQ(ToString(1234567), "1234567");
}

TEST(Strings, ChrNeverMakesInvalidUtf8) {
    EXPECT_EQ(Encodings::UTF8.Chr(0x41), "A");
    EXPECT_EQ(Encodings::UTF8.Chr(0xE9), "é");
    EXPECT_EQ(Encodings::UTF8.Chr(0x1F600), "😀");
    EXPECT_EQ(Encodings::UTF8.Chr(0x10FFFF), "\xF4\x8F\xBF\xBF");
    EXPECT_EQ(Encodings::UTF8.Chr(0xD800), "\uFFFD");
    EXPECT_EQ(Encodings::UTF8.Chr(0xDFFF), "\uFFFD");
    EXPECT_EQ(Encodings::UTF8.Chr(0x110000), "\uFFFD");
    EXPECT_EQ(Encodings::UTF8.Chr(-1), "\uFFFD");
    EXPECT_EQ(Encodings::UTF8.Chr(0), std::string(1, '\0'));
}
