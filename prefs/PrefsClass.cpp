#include "prefs/PrefsClass.h"

#include <cerrno>

#include "framework/RuntimeException.h"
#include "framework/SpecialFolder.h"
#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"
#include "prefs/PreferenceNotFoundException.h"

namespace Preferences {

PrefsClass::PrefsClass(const std::string& appName)
    : mPrefs(fw::New<fw::JSONItem>()), mAppName(appName) {
    mPrefs->Compact = false;
}

fw::Variant PrefsClass::Get(const std::string& key) {
    if (mPrefs.IsNil()) {
        return fw::Variant(std::int64_t{-1});
    }
    if (!mPrefs->HasName(key)) {
        throw PreferenceNotFoundException(key);
    }
    return mPrefs->Value(key);
}

fw::Ref<fw::FolderItem> PrefsClass::PrefsFolder() const {
    const auto appData = fw::SpecialFolder::ApplicationData();
    if (appData.IsNil()) {
        return nullptr;
    }
    // A name that leads out of the folder is refused as a use of Nil would be.
    auto folder = appData->Child(mAppName, true);
    if (folder.IsNil()) {
        fw::RaiseNilObject();
    }
    return folder;
}

fw::Ref<fw::FolderItem> PrefsClass::PrefsFileIn(const fw::Ref<fw::FolderItem>& folder) const {
    return folder->Child(mAppName + ".pref", true);
}

bool PrefsClass::Load() {
    auto folder = PrefsFolder();
    if (folder.IsNil()) {
        return false;  // nowhere to keep them: the preferences last this launch only
    }
    if (!folder->Exists()) {
        folder->CreateAsFolder();
    }
    mPrefsFile = PrefsFileIn(folder);
    if (mFileKept) {
        return false;
    }
    mFileUnreadable = false;
    if (!mPrefsFile->Exists()) {
        return false;
    }
    std::string text;
    try {
        auto stream = fw::TextInputStream::Open(mPrefsFile);
        text = stream->ReadAll(kMaxFileBytes);
        stream->Close();
    } catch (const fw::IOException& e) {
        // A link to nothing (or a file gone meanwhile) is missing, not unreadable.
        mFileUnreadable = e.ErrorNumber != ENOENT;
        throw;
    }
    // A file whose top level is no object holds no preferences: it counts as invalid,
    // so start-up goes on with the defaults and the exit write replaces it.
    auto loaded = fw::New<fw::JSONItem>();
    try {
        loaded->Load(text, kMaxDepth);
    } catch (const fw::JSONTooDeepException&) {
        mFileUnreadable = true;
        return false;
    } catch (const fw::JSONException&) {
        return false;
    }
    if (loaded->IsArray()) {
        return false;
    }
    mPrefs->Load(text, kMaxDepth);
    return true;
}

fw::Variant PrefsClass::Operator_Lookup(const std::string& key) {
    return Get(key);
}

void PrefsClass::Operator_Lookup(const std::string& key, const fw::Variant& value) {
    Set(key, value);
}

bool PrefsClass::Save() {
    if (mPrefsFile.IsNil() || mFileUnreadable || mFileKept) {
        return false;
    }
    const std::string text = mPrefs->ToString();
    // The expanded layout can make a file that was just within the limit several times
    // larger; written, it could never be read again.
    if (text.size() > kMaxFileBytes) {
        return false;
    }
    try {
        // The stream writes a temporary file and renames it over the old one at Close,
        // so a failed write leaves the old file whole; closing here lets us see it.
        auto stream = fw::TextOutputStream::Create(mPrefsFile);
        stream->Write(text);
        stream->Close();
        return true;
    } catch (const fw::IOException&) {
        return false;
    }
}

void PrefsClass::Set(const std::string& key, const fw::Variant& value) {
    if (mPrefs.IsNil()) {
        return;
    }
    mPrefs->Value(key, value);
}

void PrefsClass::Remove() {
    auto folder = PrefsFolder();
    if (folder.IsNil() || !folder->Exists()) {
        return;
    }
    mPrefsFile = PrefsFileIn(folder);
    // Only what the exit write would replace anyway: a FIFO, a folder or a read-only file
    // at the end of a link stays as it is.
    if (mPrefsFile->Exists() && fw::TextOutputStream::MayReplace(mPrefsFile)) {
        mPrefsFile->Delete();
    }
    mFileKept = mPrefsFile->Exists();
    // Once the file is gone, nothing is left that a save could overwrite.
    mFileUnreadable = mFileUnreadable && mFileKept;
}

fw::Variant PrefsClass::Has(const std::string& key) {
    if (mPrefs.IsNil()) {
        return {};
    }
    return fw::Variant(mPrefs->HasName(key));
}

}  // namespace Preferences
