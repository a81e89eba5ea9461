#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "cocoa/Cocoa.h"

namespace cocoa {
namespace {

std::int64_t Compare(std::string_view a, std::string_view b) {
    return SendInt(CFString(a).Get(), sel_registerName("localizedStandardCompare:"), {CFString(b)});
}

TEST(StandardCompare, OrdersDigitsByNumericValue) {
    EXPECT_EQ(Compare("Font2.otf", "Font10.otf"), -1);
    EXPECT_EQ(Compare("Font10.otf", "Font2.otf"), 1);
    EXPECT_EQ(Compare("a9", "a010"), -1);
    EXPECT_EQ(Compare("Font.otf", "Font1.otf"), -1);
}

TEST(StandardCompare, CaseOnlyBreaksTiesAndOnlyIdenticalNamesAreEqual) {
    EXPECT_EQ(Compare("Arial.ttf", "Arial.ttf"), 0);
    EXPECT_EQ(Compare("", ""), 0);
    EXPECT_EQ(Compare("apple", "Banana"), -1);
    EXPECT_EQ(Compare("Zed", "apple"), 1);
    EXPECT_EQ(Compare("", "a"), -1);
    // Case, width, composed or decomposed accents: still an order.
    for (const auto& [a, b] : std::vector<std::pair<std::string, std::string>>{
             {"a.otf", "A.otf"}, {"a.otf", "\xEF\xBD\x81.otf"}, {"\xC3\xA9", "e\xCC\x81"}}) {
        EXPECT_NE(Compare(a, b), 0) << a << " " << b;
        EXPECT_EQ(Compare(a, b), -Compare(b, a)) << a << " " << b;
    }
}

TEST(StandardCompare, KeepsAccentsApartAndToleratesInvalidUtf8) {
    EXPECT_NE(Compare("resume", "r\xC3\xA9sum\xC3\xA9"), 0);
    EXPECT_EQ(Compare("e", "\xC3\xA9"), -1);
    std::string broken = "Font\xFF.otf";
    int c = LocalizedStandardCompare(broken, broken);
    EXPECT_EQ(c, 0);
    EXPECT_EQ(LocalizedStandardCompare(broken, "Font.otf"),
              -LocalizedStandardCompare("Font.otf", broken));
}

TEST(StandardCompare, SortsLikeTheFileManager) {
    std::vector<std::string> names{"font10.otf", "Font2.ttf", "font1.otf", "Alpha.otf", "beta.ttf"};
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return Compare(a, b) < 0; });
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha.otf", "beta.ttf", "font1.otf", "Font2.ttf",
                                               "font10.otf"}));
}

TEST(StandardCompare, NilArgumentRaises) {
    EXPECT_THROW(SendInt(CFString("a").Get(), sel_registerName("localizedStandardCompare:"), {nil}),
                 InvalidArgumentException);
}

TEST(Strings, HoldTheirTextForTheCall) {
    EXPECT_EQ(StringValue(CFString("Schrift \xE6\x97\xA5").Get()), "Schrift \xE6\x97\xA5");
    EXPECT_EQ(StringValue(nullptr), "");
    EXPECT_THROW(StringValue(NSClassFromString("NSString")), fw::IllegalCastException);
    std::weak_ptr<Object> watched;
    {
        CFString s("brief");
        watched = s.Get()->shared_from_this();
    }
    EXPECT_TRUE(watched.expired());
}

}  // namespace
}  // namespace cocoa
