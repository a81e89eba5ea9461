#pragma once
// The local files and folders a drag carries, as POSIX paths byte for byte, and the
// action a window takes them with.

#include <Qt>
#include <string>
#include <vector>

class QMimeData;

namespace fw::qt {

// Read from the raw "text/uri-list" bytes when the drag offers them (every byte of a
// name survives); otherwise from the URLs Qt decoded. Empty for no local files.
std::vector<std::string> DroppedPaths(const QMimeData* data);

// A copy when the source allows one, else a link; never a move, whatever the source
// proposes (Shift held in a file manager): a source that honours a move removes the
// files it dragged. IgnoreAction when the source allows neither.
Qt::DropAction DropActionFor(Qt::DropActions possible);

}  // namespace fw::qt
