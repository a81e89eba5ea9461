// A fuzzed preferences file, loaded and read back through Has and the four typed
// reads. The framework's exceptions are expected outcomes; a crash is a finding.

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/MsgBox.h"
#include "framework/RuntimeException.h"
#include "prefs/PrefsClass.h"

namespace {

constexpr const char* kAppName = "FuzzApp";

class FuzzPrefs : public Preferences::PrefsClass {
public:
    using PrefsClass::PrefsClass;

    // The first few member names of the loaded object.
    std::vector<std::string> SomeNames() const {
        std::vector<std::string> names;
        const auto& content = mPrefs->Content();
        if (content.is_object()) {
            for (const auto& member : content.items()) {
                if (names.size() == 4) {
                    break;
                }
                names.push_back(member.key());
            }
        }
        return names;
    }
};

std::filesystem::path g_configHome;
std::filesystem::path g_prefsFile;

void RemoveConfigHome() {
    std::error_code ignored;
    std::filesystem::remove_all(g_configHome, ignored);
}

template <class Read>
void Try(Read read) {
    try {
        read();
    } catch (const fw::RuntimeException&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char pattern[] = "/tmp/tessary-fuzz-prefs-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        abort();
    }
    g_configHome = pattern;
    atexit(RemoveConfigHome);
    setenv("XDG_CONFIG_HOME", pattern, 1);
    std::filesystem::create_directories(g_configHome / kAppName);
    g_prefsFile = g_configHome / kAppName / (std::string(kAppName) + ".pref");
    fw::SetMsgBoxPresenter([](const std::string&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream file(g_prefsFile, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    FuzzPrefs prefs(kAppName);
    bool loaded = false;
    Try([&] { loaded = prefs.Load(); });
    if (!loaded) {
        return 0;
    }
    std::vector<std::string> keys = prefs.SomeNames();
    keys.insert(keys.end(), {"WindowLTWH", "absent"});
    for (const auto& key : keys) {
        Try([&] { prefs.Has(key); });
        Try([&] { prefs.GetArrayInteger(key); });
        Try([&] { prefs.GetArrayString(key); });
        Try([&] { prefs.GetArrayVariant(key); });
        Try([&] { prefs.GetDictionary(key); });
    }
    return 0;
}
