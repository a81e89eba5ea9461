#include "framework/Shortcut.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

ParsedShortcut Keys(std::string key, bool command, bool shift = false, bool option = false,
                    bool control = false) {
    ParsedShortcut s;
    s.key = std::move(key);
    s.command = command;
    s.shift = shift;
    s.option = option;
    s.control = control;
    return s;
}

TEST(ParseShortcut, ReadsTheMenuBarShortcuts) {
    EXPECT_EQ(ParseShortcut("Cmd+W"), Keys("W", true));
    EXPECT_EQ(ParseShortcut("Cmd+Q"), Keys("Q", true));
    EXPECT_EQ(ParseShortcut("Cmd+Shift+Z"), Keys("Z", true, true));
    EXPECT_EQ(ParseShortcut("Shift+Cmd+Z"), Keys("Z", true, true));
}

TEST(ParseShortcut, KnowsEveryModifierWordInAnyCase) {
    EXPECT_EQ(ParseShortcut("Command+A"), Keys("A", true));
    EXPECT_EQ(ParseShortcut("Option+A"), Keys("A", false, false, true));
    EXPECT_EQ(ParseShortcut("Alt+A"), Keys("A", false, false, true));
    EXPECT_EQ(ParseShortcut("Ctrl+A"), Keys("A", false, false, false, true));
    EXPECT_EQ(ParseShortcut("Control+A"), Keys("A", false, false, false, true));
    EXPECT_EQ(ParseShortcut("cmd+shift+option+ctrl+F1"), Keys("F1", true, true, true, true));
    EXPECT_EQ(ParseShortcut(" Cmd + W "), Keys("W", true));
}

TEST(ParseShortcut, KeyAloneAndThePlusKey) {
    EXPECT_EQ(ParseShortcut("F5"), Keys("F5", false));
    EXPECT_EQ(ParseShortcut("Cmd++"), Keys("+", true));
    EXPECT_EQ(ParseShortcut("+"), Keys("+", false));
}

TEST(ParseShortcut, RefusesMalformedText) {
    for (const char* text : {"", " ", "Cmd+", "+W", "Cmd++W", "Cmd", "Cmd+Shift", "Hyper+W",
                             "Cmd+Cmd+W", "Cmd+ +W", "++", "Cmd+++"}) {
        EXPECT_EQ(ParseShortcut(text), std::nullopt) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace fw
