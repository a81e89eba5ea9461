#pragma once
// The preferences: one JSON object in memory, mirrored to
// <application data>/<appName>/<appName>.pref.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/Dictionary.h"
#include "framework/FolderItem.h"
#include "framework/JSONItem.h"
#include "framework/Object.h"
#include "framework/Variant.h"

namespace Preferences {

class PrefsClass : public fw::Object {
public:
    // The file the program writes holds about a hundred bytes and nests two levels (the
    // rectangle's array in the object). These limits leave ample room for members that
    // other versions or tools add, while keeping start-up quick and bounding what the
    // expanded exit write (two blanks of indentation per level on every line) can make.
    static constexpr std::size_t kMaxFileBytes = 1 << 20;
    static constexpr int kMaxDepth = 16;

    // An empty object written in the expanded layout; touches no file.
    explicit PrefsClass(const std::string& appName);

    std::string ClassName() const override { return "Preferences.PrefsClass"; }

    // The stored value; Integer -1 without preferences; PreferenceNotFoundException
    // for an absent key.
    virtual fw::Variant Get(const std::string& key);
    // Creates the preferences folder when missing and reads the file. False when the
    // file is missing or holds no valid JSON object, when Remove had to keep it, and when
    // the account has no application-data folder; the preferences are then unchanged. A
    // file that exists but can't be read (IOException, also for more than kMaxFileBytes)
    // or nests deeper than kMaxDepth (False) is remembered, and Save leaves it alone.
    virtual bool Load();
    virtual fw::Variant Operator_Lookup(const std::string& key);
    virtual void Operator_Lookup(const std::string& key, const fw::Variant& value);
    // Writes the whole file, or leaves the old one as it was. False before Load or
    // Remove has found the file, when Load could not read it or Remove had to keep it,
    // when the text would be larger than kMaxFileBytes, and when writing fails.
    virtual bool Save();
    virtual void Set(const std::string& key, const fw::Variant& value);
    // Deletes the preferences file, unless Save could not replace it either (links
    // followed: no regular file, or one the user may not write); the preferences in
    // memory stay. A file it keeps counts as gone all the same: Load doesn't read it
    // and Save leaves it alone.
    virtual void Remove();
    // A Boolean, or Nil without preferences.
    virtual fw::Variant Has(const std::string& key);

    // Typed reads that cut the value's compact JSON text at its commas (and colons)
    // instead of walking it. PreferenceNotFoundException for an absent key.
    virtual std::vector<std::int64_t> GetArrayInteger(const std::string& key);
    virtual std::vector<std::string> GetArrayString(const std::string& key);
    virtual std::vector<fw::Variant> GetArrayVariant(const std::string& key);
    virtual fw::Ref<fw::Dictionary> GetDictionary(const std::string& key);

protected:
    fw::Ref<fw::JSONItem> mPrefs;
    fw::Ref<fw::FolderItem> mPrefsFile;
    std::string mAppName;
    // The file exists but Load could not read it: it may hold what others need.
    bool mFileUnreadable{false};
    // Remove could not delete the file: the reset still holds, and the file stays as it is.
    bool mFileKept{false};

private:
    // <application data>/<appName>; Nil when the account has no application-data folder,
    // NilObjectException when appName names no child.
    fw::Ref<fw::FolderItem> PrefsFolder() const;
    fw::Ref<fw::FolderItem> PrefsFileIn(const fw::Ref<fw::FolderItem>& folder) const;
    // The compact text of the array or object stored under key.
    std::string CompactText(const std::string& key) const;
    std::vector<std::string> ArrayPieces(const std::string& key) const;
};

}  // namespace Preferences
