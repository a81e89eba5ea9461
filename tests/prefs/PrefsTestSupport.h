#pragma once
// A fresh application-data folder (XDG_CONFIG_HOME) per test, and a PrefsClass whose
// fields the tests can reach.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "prefs/PrefsClass.h"

class TestPrefs : public Preferences::PrefsClass {
public:
    using PrefsClass::mPrefs;
    using PrefsClass::mPrefsFile;
    using PrefsClass::PrefsClass;
};

class PrefsFolderTest : public ::testing::Test {
protected:
    static constexpr const char* kAppName = "Tessary Test";

    void SetUp() override {
        if (const char* old = getenv("XDG_CONFIG_HOME")) {
            oldConfigHome_ = old;
        }
        char pattern[] = "/tmp/tessary-prefs-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        configHome_ = pattern;
        setenv("XDG_CONFIG_HOME", configHome_.c_str(), 1);
    }
    void TearDown() override {
        std::filesystem::permissions(configHome_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
        std::error_code ignored;
        std::filesystem::permissions(Folder(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(configHome_);
        if (oldConfigHome_) {
            setenv("XDG_CONFIG_HOME", oldConfigHome_->c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
    }

    std::filesystem::path Folder() const { return configHome_ / kAppName; }
    std::filesystem::path File() const { return Folder() / (std::string(kAppName) + ".pref"); }

    void WriteFile(const std::string& text) const {
        std::filesystem::create_directories(Folder());
        std::ofstream(File(), std::ios::binary) << text;
    }
    std::string ReadFile() const {
        std::ifstream in(File(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path configHome_;

private:
    std::optional<std::string> oldConfigHome_;
};
