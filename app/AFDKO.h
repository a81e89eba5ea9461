#pragma once
// The external font tool `spot`, found in the application's Resources folder.

#include <string>

#include "framework/FolderItem.h"
#include "framework/Object.h"

namespace AFDKO {

// The tool's item (set when the application opens, even when it does not exist).
extern fw::Ref<fw::FolderItem> spot;

// Sets spot; shows the missing-tool alert and quits when the tool is missing.
void GetSpot();
// The missing-tool alert, then quit with code 0.
void ShowAlertQuit();

std::string kQuit(const std::string& language);

}  // namespace AFDKO
