#pragma once
// The two file types the main window accepts as drops: any file and any folder.

#include <string>
#include <vector>

#include "framework/FileType.h"
#include "framework/Object.h"

namespace FileTypeGroup1 {

// Nil until Initialize_ has run.
extern fw::Ref<fw::FileType> pAny;
extern fw::Ref<fw::FileType> pSpecialFolder;
// Both types once Initialize_ has run, pAny first.
extern std::vector<fw::Ref<fw::FileType>> pAllFileTypes;

// Builds both types and registers them under their Names.
void Initialize_();

fw::Ref<fw::FileType> Any();
fw::Ref<fw::FileType> SpecialFolder();
// "special/any;special/folder", whether or not Initialize_ has run.
std::string All();

}  // namespace FileTypeGroup1
