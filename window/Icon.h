#pragma once
// File icons as pictures.

#include <cstdint>

#include "framework/FolderItem.h"
#include "framework/Picture.h"

namespace Icon {

// The file's desktop icon as a size × size picture with a double-resolution
// representation; Nil for a Nil or missing file. Sizes outside 1..16383 raise the
// picture's OutOfBoundsException.
fw::Ref<fw::Picture> Get(const fw::Ref<fw::FolderItem>& f, std::int64_t size);

}  // namespace Icon
