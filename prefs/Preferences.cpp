#include "prefs/Preferences.h"

#include "app/App.h"
#include "framework/JSONItem.h"
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

// A file that exists but can't be read leaves the window at its design-time place; the
// preferences object remembers it and leaves the file alone at exit.
bool LoadIfReadable() {
    try {
        return Prefs->Load();
    } catch (const fw::IOException&) {
        return false;
    }
}

bool HoldsArray(const fw::Variant& value) {
    if (value.GetType() != fw::Variant::Type::Object) {
        return false;
    }
    auto item = fw::TryCast<fw::JSONItem>(value.ObjectValue());
    return item && item->IsArray();
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
    if (!LoadIfReadable()) {
        SetDefault();
    }
    if (!Prefs->Has(kWindowLTWH).BooleanValue()) {
        return;
    }
    // A stored rectangle that is no array (a string, number, Boolean, null or object)
    // is not read: the window keeps its design-time place and stores a proper one at exit.
    if (!HoldsArray(Prefs->Get(kWindowLTWH))) {
        pWindowLTWH.clear();
        return;
    }
    pWindowLTWH = Prefs->GetArrayInteger(kWindowLTWH);
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
