#include "text/Localizable.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "AlertRecorder.h"
#include "framework/SpecialFolder.h"
#include "text/RegExXojo.h"

namespace {

// Places a fake application folder whose Resources hold a German translation.
class LocalizableTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tessary-text-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        std::filesystem::create_directories(root_ / "Resources" / "locale");
        std::ofstream(root_ / "Resources" / "locale" / "de.json")
            << R"({"RegExXojo.kAlert_Metacharacters": "Metazeichen allein gehen nicht."})";
        fw::SetExecutablePath((root_ / "tessary").string());
    }
    void TearDown() override {
        fw::SetExecutablePath("");
        std::filesystem::remove_all(root_);
        unsetenv("LC_ALL");
    }

    std::filesystem::path root_;
};

TEST_F(LocalizableTest, WithoutTranslationGivesTheDefaultExactly) {
    EXPECT_EQ(LocalizedText("Localized.Completed", "Completed.", "de"), "Completed.");
    EXPECT_EQ(LocalizedText("Nowhere.kKey", "Text \\b.", "xx"), "Text \\b.");
    EXPECT_EQ(RegExXojo::kAlert_Metacharacters("xx"),
              "Metacharacters ^ $ \\b cannot be used alone.");
}

TEST_F(LocalizableTest, TranslationComesFromThePlatformLookup) {
    EXPECT_EQ(RegExXojo::kAlert_Metacharacters("de"), "Metazeichen allein gehen nicht.");

    // The refusal alert asks with an empty language code: the platform's language.
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    AlertRecorder recorder;
    EXPECT_EQ(RegExXojo::Replace("x", "$", "y", 0, true), "x");
    ASSERT_EQ(recorder.alerts.size(), 1u);
    EXPECT_EQ(recorder.alerts[0], "Metazeichen allein gehen nicht.");
}

}  // namespace
