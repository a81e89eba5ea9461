#pragma once
// The folders the framework knows by role.

#include <string>

#include "FolderItem.h"

namespace fw {

// The running program's executable file (by default, what /proc/self/exe links to).
Ref<FolderItem> ExecutableFile();
// Replaces the executable's path, so tests can place a fake application folder.
// An empty path restores the default.
void SetExecutablePath(std::string path);

namespace SpecialFolder {
// The folder "Resources" beside the executable (it may not exist).
Ref<FolderItem> Resources();
// The configuration folder: $XDG_CONFIG_HOME when that is an absolute path, else .config
// in the home folder ($HOME when absolute, else the account's home from the password
// database); made when missing. Nil when no home folder is known.
Ref<FolderItem> ApplicationData();
}  // namespace SpecialFolder

}  // namespace fw
