#include "System.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include <nlohmann/json.hpp>

#include "SpecialFolder.h"

namespace fw {

namespace {

std::string PlatformLanguage() {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0') {
            continue;
        }
        std::string language(value);
        if (std::string_view(name) == "LANGUAGE") {
            language = language.substr(0, language.find(':'));
        }
        if (!language.empty() && language != "C" && language != "POSIX") {
            return language;
        }
    }
    return {};
}

// "ja_JP.UTF-8@euro" gives "ja_JP", then "ja".
std::vector<std::string> Candidates(std::string language) {
    language = language.substr(0, language.find_first_of(".@"));
    std::vector<std::string> candidates;
    if (language.empty() || language.find('/') != std::string::npos || language == "." ||
        language == "..") {
        return candidates;
    }
    candidates.push_back(language);
    const auto cut = language.find_first_of("_-");
    if (cut != std::string::npos && cut > 0) {
        candidates.push_back(language.substr(0, cut));
    }
    return candidates;
}

std::optional<std::string> Translation(const Ref<FolderItem>& locale, const std::string& language,
                                       std::string_view key) {
    const Ref<FolderItem> file = locale->Child(language + ".json");
    if (!file) {
        return std::nullopt;
    }
    std::ifstream in(file->NativePath(), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    const auto translations = nlohmann::json::parse(text.str(), nullptr, false);
    if (!translations.is_object()) {
        return std::nullopt;  // a broken file counts as none
    }
    const auto found = translations.find(key);
    if (found == translations.end() || !found->is_string()) {
        return std::nullopt;
    }
    return found->get<std::string>();
}

}  // namespace

std::string System::GetLocalizedString_(std::string_view key, std::string_view englishDefault,
                                        std::string_view language) const {
    const Ref<FolderItem> resources = SpecialFolder::Resources();
    const Ref<FolderItem> locale = resources ? resources->Child("locale") : nullptr;
    if (locale) {
        const std::string wanted = language.empty() ? PlatformLanguage() : std::string(language);
        for (const std::string& candidate : Candidates(wanted)) {
            if (auto text = Translation(locale, candidate, key)) {
                return *text;
            }
        }
    }
    return std::string(englishDefault);
}

Ref<System> SystemObject() {
    static const Ref<System> system = New<System>();
    return system;
}

}  // namespace fw
