#pragma once
// Renaming that never replaces what is at the new name.

#include <string>

namespace fw {

// Renames from to to unless something is at to. On a file system without
// RENAME_NOREPLACE, a link to the new name and the removal of the old one do the same.
// Returns 0, or the errno of the failure (EEXIST when to exists, EXDEV across file
// systems); nothing changed then.
int RenameNoReplace(const std::string& from, const std::string& to);

}  // namespace fw
