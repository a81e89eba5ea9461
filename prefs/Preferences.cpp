#include "prefs/Preferences.h"

#include "app/App.h"
#include "framework/Keyboard.h"
#include "framework/Runtime.h"
#include "framework/RuntimeException.h"

namespace Preferences {

fw::Ref<PrefsClass> Prefs;
std::vector<std::int64_t> pWindowLTWH;

namespace {

constexpr const char* kWindowLTWH = "WindowLTWH";

const bool kRegistered = [] {
    fw::RegisterInitializer([] {
        Prefs = nullptr;
        pWindowLTWH.clear();
    });
    return true;
}();

bool ResetRequested() {
    return fw::Keyboard::AsyncOptionKey() && fw::Keyboard::AsyncCommandKey();
}

// A file that exists but can't be read is treated like a missing one; it is written
// anew at exit.
bool LoadOrDefault() {
    try {
        return Prefs->Load();
    } catch (const fw::IOException&) {
        return false;
    }
}

}  // namespace

void Initialize(const std::string& appName) {
    Prefs = fw::New<PrefsClass>(appName);
}

void Raed() {
    Initialize(App()->ExecutableFile()->Name());
    if (!Prefs) {
        return;
    }
    if (ResetRequested()) {
        Prefs->Remove();
        SetDefault();
    }
    if (!LoadOrDefault()) {
        SetDefault();
    }
    if (!Prefs->Has(kWindowLTWH).BooleanValue()) {
        return;
    }
    try {
        pWindowLTWH = Prefs->GetArrayInteger(kWindowLTWH);
    } catch (const fw::IllegalCastException&) {
        // A stored rectangle that is no array: the window keeps its design-time place.
        pWindowLTWH.clear();
    } catch (const fw::NilObjectException&) {
        pWindowLTWH.clear();
    }
}

void SetDefault() {
    pWindowLTWH = {10, 50, 600, 400};
}

void Save() {
    if (!Prefs) {
        return;
    }
    Prefs->Set(kWindowLTWH, fw::Variant(pWindowLTWH));
    static_cast<void>(Prefs->Save());
}

}  // namespace Preferences
