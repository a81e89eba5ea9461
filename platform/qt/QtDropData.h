#pragma once
// The local files and folders a drag carries, as POSIX paths byte for byte.

#include <string>
#include <vector>

class QMimeData;

namespace fw::qt {

// Read from the raw "text/uri-list" bytes when the drag offers them (every byte of a
// name survives); otherwise from the URLs Qt decoded. Empty for no local files.
std::vector<std::string> DroppedPaths(const QMimeData* data);

}  // namespace fw::qt
