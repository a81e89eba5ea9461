#pragma once
// What the desktop offers for files: the icon theme's icon and the file manager.

#include <string>

#include "framework/Backend.h"

namespace fw::qt {

// The icon theme's icon for the file's type (its name and first bytes), rendered at
// pixelSize x pixelSize; a generic file or folder icon when the theme has none. Empty
// when nothing exists at path or pixelSize is not positive.
RgbaImage FileIconImage(const std::string& path, int pixelSize);

// Shows the file selected in the file manager through the freedesktop FileManager1
// D-Bus interface, or else opens its folder. False when neither worked or the file
// does not exist.
bool RevealInFileManager(const std::string& path);

}  // namespace fw::qt
