#include "System.h"

#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
#include <sstream>
#include <vector>

#include "JSONItem.h"
#include "RuntimeException.h"
#include "SpecialFolder.h"
#include "TextInputStream.h"

namespace fw {

namespace {

// "C", "POSIX" and their codeset forms ("C.UTF-8") ask for the untranslated texts.
bool IsUntranslated(std::string_view locale) {
    const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
    return name == "C" || name == "POSIX";
}

// The languages to try for an empty language code, in gettext's order: the locale for
// messages is the first of LC_ALL, LC_MESSAGES and LANG that is set and not empty (with
// none, the C library's "C"). Unless it is untranslated, LANGUAGE's entries come first,
// up to one that is itself untranslated; then the locale.
std::vector<std::string> PlatformLanguages() {
    std::string locale = "C";
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0') {
            locale = value;
            break;
        }
    }
    if (IsUntranslated(locale)) {
        return {};
    }
    std::vector<std::string> languages;
    const char* priority = std::getenv("LANGUAGE");
    std::istringstream list(priority != nullptr ? priority : "");
    for (std::string entry; std::getline(list, entry, ':');) {
        if (IsUntranslated(entry)) {
            return languages;
        }
        if (!entry.empty()) {
            languages.push_back(entry);
        }
    }
    languages.push_back(locale);
    return languages;
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

// A translation is a flat object of a few kilobytes. The preferences file's limits leave
// it ample room while keeping a huge or hostile file from stalling start-up.
constexpr std::size_t kMaxFileBytes = 1 << 20;
constexpr int kMaxDepth = 16;

// The translations read this launch by file path; Nil when a file gave none.
struct TranslationCache {
    std::mutex mutex;
    std::map<std::string, Ref<JSONItem>> files;
};

TranslationCache& Cache() {
    static TranslationCache cache;
    return cache;
}

// Nil for a file that is missing, not a regular file, beyond the limits, unreadable or
// holds no object: it counts as no translation.
Ref<JSONItem> ReadTranslations(const Ref<FolderItem>& file) {
    try {
        auto stream = TextInputStream::Open(file);
        const std::string text = stream->ReadAll(kMaxFileBytes);
        auto translations = New<JSONItem>();
        translations->Load(text, kMaxDepth);
        if (!translations->IsArray()) {
            return translations;
        }
    } catch (const IOException&) {
    } catch (const JSONException&) {
    }
    return nullptr;
}

std::optional<std::string> Translation(const Ref<FolderItem>& locale, const std::string& language,
                                       std::string_view key) {
    const Ref<FolderItem> file = locale->Child(language + ".json");
    if (!file) {
        return std::nullopt;
    }
    TranslationCache& cache = Cache();
    std::lock_guard lock(cache.mutex);
    const auto [entry, added] = cache.files.try_emplace(file->NativePath());
    if (added) {
        entry->second = ReadTranslations(file);
    }
    if (!entry->second) {
        return std::nullopt;
    }
    const auto& translations = entry->second->Content();
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
    if (!locale) {
        return std::string(englishDefault);
    }
    const std::vector<std::string> languages =
        language.empty() ? PlatformLanguages() : std::vector<std::string>{std::string(language)};
    // A translation that lacks the key falls through to the next language, as in gettext.
    for (const std::string& wanted : languages) {
        for (const std::string& candidate : Candidates(wanted)) {
            if (auto text = Translation(locale, candidate, key)) {
                return *text;
            }
        }
    }
    return std::string(englishDefault);
}

void System::ForgetTranslations_() {
    TranslationCache& cache = Cache();
    std::lock_guard lock(cache.mutex);
    cache.files.clear();
}

Ref<System> SystemObject() {
    static const Ref<System> system = New<System>();
    return system;
}

}  // namespace fw
