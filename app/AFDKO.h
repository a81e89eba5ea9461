#pragma once
// The external font tool `spot`, found in the application's Resources folder.

#include <chrono>
#include <cstddef>
#include <string>

#include "framework/FolderItem.h"
#include "framework/Object.h"

namespace AFDKO {

// The tool's item (set when the application opens, even when it does not exist).
extern fw::Ref<fw::FolderItem> spot;

// A run of the tool that prints more (8 MiB), or takes longer (a minute), is stopped.
// A real font prints a few kilobytes in milliseconds. Even a name table whose records
// don't overlap prints less than 4 MB: at most 65,535 lines of some 45 bytes, and the
// 128 KB its offsets can reach, printed as escapes of at most three bytes a byte.
extern std::size_t spotOutputLimit;
extern std::chrono::milliseconds spotTimeLimit;

// Sets spot; shows the missing-tool alert and quits when the tool is missing or is no
// executable file (links followed).
void GetSpot();
// The missing-tool alert, then quit with code 0.
void ShowAlertQuit();

std::string kQuit(const std::string& language);

}  // namespace AFDKO
