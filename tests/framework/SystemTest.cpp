#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "TempFolder.h"
#include "framework/MsgBox.h"
#include "framework/SpecialFolder.h"
#include "framework/System.h"

using namespace fw;

namespace {

// A fake application folder with Resources/locale, and a clean language environment.
class Localisation : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(temp_ / "Resources/locale");
        SetExecutablePath(temp_ / "Tessary");
        SystemObject()->ForgetTranslations_();  // each case is a launch of its own
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            if (const char* value = std::getenv(name)) {
                saved_.emplace_back(name, value);
            }
            ::unsetenv(name);
        }
    }
    void TearDown() override {
        SetExecutablePath("");
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            ::unsetenv(name);
        }
        for (const auto& [name, value] : saved_) {
            ::setenv(name.c_str(), value.c_str(), 1);
        }
    }
    std::string Lookup(const char* key, const char* english, const char* language = "") {
        return SystemObject()->GetLocalizedString_(key, english, language);
    }

    TempFolder temp_;
    std::vector<std::pair<std::string, std::string>> saved_;
};

}  // namespace

TEST_F(Localisation, EnglishDefaultWithoutTranslation) {
    EXPECT_EQ(Lookup("Localized.Completed", "Completed."), "Completed.");
    ::setenv("LANG", "ja_JP.UTF-8", 1);
    EXPECT_EQ(Lookup("Localized.Completed", "Completed."), "Completed.");  // no file
    WriteFile(temp_ / "Resources/locale/fr.json", "{broken");
    EXPECT_EQ(Lookup("Localized.Completed", "Completed.", "fr"), "Completed.");
    WriteFile(temp_ / "Resources/locale/de.json", R"j({"Localized.kRun": 5})j");
    EXPECT_EQ(Lookup("Localized.kRun", "Run", "de"), "Run");  // not a text
}

TEST_F(Localisation, TranslationFromThePlatformLanguage) {
    WriteFile(temp_ / "Resources/locale/ja.json", R"j({"Localized.kRun": "実行"})j");
    WriteFile(temp_ / "Resources/locale/fr_CA.json", R"j({"Localized.kRun": "Exécuter (CA)"})j");
    ::setenv("LANG", "de_DE.UTF-8", 1);
    ::setenv("LANGUAGE", "ja_JP:fr", 1);
    EXPECT_EQ(Lookup("Localized.kRun", "Run"), "実行");  // ja_JP falls back to ja
    EXPECT_EQ(Lookup("Localized.kQuit", "Quit"), "Quit");
    ::unsetenv("LANGUAGE");
    ::setenv("LC_ALL", "", 1);  // empty counts as unset
    ::setenv("LC_MESSAGES", "fr_CA.UTF-8", 1);
    EXPECT_EQ(Lookup("Localized.kRun", "Run"), "Exécuter (CA)");
    EXPECT_EQ(Lookup("Localized.kRun", "Run", "ja"), "実行");  // an explicit code wins
    // A file is read once; a change waits until the translations are dropped.
    WriteFile(temp_ / "Resources/locale/ja.json", R"j({"Localized.kRun": "走る"})j");
    EXPECT_EQ(Lookup("Localized.kRun", "Run", "ja"), "実行");
    SystemObject()->ForgetTranslations_();
    EXPECT_EQ(Lookup("Localized.kRun", "Run", "ja"), "走る");
    EXPECT_EQ(Lookup("Localized.kRun", "Run", "../ja"), "Run");
}

TEST_F(Localisation, LanguageChosenAsGettextDoes) {
    WriteFile(temp_ / "Resources/locale/ja.json",
              R"j({"Localized.kRun": "実行", "Localized.kQuit": "終了"})j");
    WriteFile(temp_ / "Resources/locale/fr.json", R"j({"Localized.kQuit": "Quitter"})j");
    // A C locale, in any form, asks for English whatever LANGUAGE says.
    ::setenv("LANGUAGE", "ja", 1);
    EXPECT_EQ(Lookup("Localized.kRun", "Run"), "Run");  // no locale at all is C
    ::setenv("LANG", "ja_JP.UTF-8", 1);
    for (const char* c : {"C", "POSIX", "C.UTF-8", "C.utf8"}) {
        ::setenv("LC_ALL", c, 1);
        EXPECT_EQ(Lookup("Localized.kRun", "Run"), "Run") << c;
    }
    ::unsetenv("LC_ALL");
    // Every entry of LANGUAGE in turn, key by key, then the locale.
    ::setenv("LANG", "de_DE.UTF-8", 1);
    ::setenv("LANGUAGE", "fr::ja", 1);
    EXPECT_EQ(Lookup("Localized.kQuit", "Quit"), "Quitter");
    EXPECT_EQ(Lookup("Localized.kRun", "Run"), "実行");
    ::setenv("LANGUAGE", "fr:C:ja", 1);  // a C entry ends the list
    EXPECT_EQ(Lookup("Localized.kRun", "Run"), "Run");
    ::setenv("LANGUAGE", "eo", 1);
    ::setenv("LC_MESSAGES", "ja_JP.UTF-8", 1);
    EXPECT_EQ(Lookup("Localized.kRun", "Run"), "実行");
}

TEST_F(Localisation, FilesBeyondTheGuardsAreIgnored) {
    const std::string locale = temp_ / "Resources/locale";
    // Without a writer, a blocking open of the FIFO would never return.
    ASSERT_EQ(::mkfifo((locale + "/ja.json").c_str(), 0600), 0);
    EXPECT_EQ(Lookup("Localized.kRun", "Run", "ja"), "Run");

    // Past the size limit, and nested past the depth limit.
    WriteFile(locale + "/it.json",
              R"j({"Localized.kRun": "Esegui", "pad": ")j" + std::string(1 << 20, 'x') + "\"}");
    WriteFile(locale + "/es.json", R"j({"Localized.kRun": "Ejecutar", "deep": )j" +
                                       std::string(16, '[') + std::string(16, ']') + "}");
    EXPECT_EQ(Lookup("Localized.kRun", "Run", "it"), "Run");
    EXPECT_EQ(Lookup("Localized.kRun", "Run", "es"), "Run");

    std::filesystem::create_directory(temp_ / "shared");
    WriteFile(temp_ / "shared/ko.json", R"j({"Localized.kRun": "실행"})j");
    std::filesystem::create_symlink(temp_ / "shared/ko.json", locale + "/ko.json");
    EXPECT_EQ(Lookup("Localized.kRun", "Run", "ko"), "실행");
}

TEST(MsgBox, GoesToThePresenter) {
    std::vector<std::string> shown;
    SetMsgBoxPresenter([&](const std::string& text) { shown.push_back(text); });
    MsgBox("RegEx error: \nboom");
    SetMsgBoxPresenter(nullptr);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "RegEx error: \nboom");
}
