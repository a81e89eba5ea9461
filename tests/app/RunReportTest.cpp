// The completion alert's explanation: file names that can't forge or reorder its lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/Utf8.h"
#include "window/RunReport.h"
#include "window/ShownName.h"

namespace {

using RunReport::ShownName;

const std::string kFSI = "\u2068";
const std::string kPDI = "\u2069";

TEST(ShownName, ControlsAndSeparatorsShowAsEscapesNeverAsBreaks) {
    EXPECT_EQ(ShownName("x\nDejaVuSans.ttf"), kFSI + "x\\nDejaVuSans.ttf" + kPDI);
    EXPECT_EQ(ShownName(std::string("a\tb\rc\x7f\x1b\0.ttf", 12)),
              kFSI + "a\\tb\\rc\\x7F\\x1B\\x00.ttf" + kPDI);
    // NEL (a C1 control), line and paragraph separators, and bytes that are no UTF-8.
    EXPECT_EQ(ShownName("a\u0085b\u2028c\u2029d\xff.ttf"),
              kFSI + "a\\u0085b\\u2028c\\u2029d\ufffd.ttf" + kPDI);
    EXPECT_EQ(ShownName("Noto Sans 日本語.otf"), kFSI + "Noto Sans 日本語.otf" + kPDI);
}

TEST(ShownName, DirectionalControlsThatDontPairUpAreDropped) {
    // An override left open would reverse every line after the name.
    EXPECT_EQ(ShownName("\u202e3-third.ttf"), kFSI + "3-third.ttf" + kPDI);
    EXPECT_EQ(ShownName("a\u202bb\u202cc"), kFSI + "a\u202bb\u202cc" + kPDI);
    EXPECT_EQ(ShownName("\u2067a\u2069"), kFSI + "\u2067a\u2069" + kPDI);
    // A PDI closes the embedding opened inside its isolate; a PDF can't close an
    // embedding from outside the isolate; strays close nothing.
    EXPECT_EQ(ShownName("\u2067a\u202bb\u2069c"), kFSI + "\u2067ab\u2069c" + kPDI);
    EXPECT_EQ(ShownName("\u202da\u2066b\u202cc\u2069d\u202c"),
              kFSI + "\u202da\u2066bc\u2069d\u202c" + kPDI);
    EXPECT_EQ(ShownName("\u2069a\u202cb\u2068"), kFSI + "ab" + kPDI);
}

TEST(ShownName, LongNamesAreShortenedInTheMiddle) {
    const std::string longName = std::string(120, 'a') + std::string(127, 'b') + ".ttf";
    const std::string shown = ShownName(longName);
    EXPECT_EQ(shown, kFSI + std::string(16, 'a') + "\u2026" + std::string(11, 'b') + ".ttf" + kPDI);

    const std::string exact(RunReport::kShownNameCharacters, 'c');
    EXPECT_EQ(ShownName(exact), kFSI + exact + kPDI);

    // Cut by characters, never inside one; a control pair cut apart is dropped.
    std::string wide = "\u202b";
    for (int i = 0; i < 100; ++i) {
        wide += i == 40 ? "\u202c" : "字";
    }
    wide += ".otf";
    const std::string shownWide = ShownName(wide);
    EXPECT_TRUE(fw::utf8::IsValid(shownWide));
    EXPECT_EQ(shownWide.find("\u202b"), std::string::npos);
    EXPECT_EQ(shownWide.find("\u202c"), std::string::npos);
    EXPECT_NE(shownWide.find("字\u2026字"), std::string::npos);
}

// One more is counted in the run's own tests.
TEST(RunReportExplanation, ListsTenThenCountsTheRest) {
    std::vector<RunReport::Unfiled> unfiled(12, {"f.ttf", NotFiled::SpotFailed});
    const std::string text = RunReport::Explanation(unfiled);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 11);
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), "2 more fonts are not listed.");
}

}  // namespace
