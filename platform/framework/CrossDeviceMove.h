#pragma once
// Moving a file or a symbolic link to another file system, where rename can't.

#include <functional>
#include <string>

namespace fw {

enum class MoveResult {
    Moved,
    Failed,
    // The item at from was no longer the one copied when it was to be removed: saved anew
    // or written to meanwhile. The copy was removed and from left as found.
    SourceChanged,
};

// Moves the file or symbolic link at from to the path to, on another file system. Never
// replaces an item at to, and never leaves part of a file there: a file is copied under
// a hidden temporary name in to's folder, with from's permission bits and times, synced,
// and only then renamed to to; the folder is synced too unless it can't be read. from is
// removed last, and only while it is still what was copied; when it can't be, the copy
// is removed again. Unless Moved, from is where it was and nothing was added. Folders
// and special files don't move, nor does a file that turns into something else between
// the check of from and its opening.
MoveResult MoveAcrossFileSystems(const std::string& from, const std::string& to);

// The steps of such a move that a test may make fail.
enum class MoveStep { OpenSource, CopyChunk, RemoveSource };
// Test hook: asked before a file is opened to be copied, before each chunk of its copy is
// written and before the source is checked and removed; false makes that step fail as an
// I/O error would. Empty: nothing fails.
void SetMoveFaultHook_(std::function<bool(MoveStep)> hook);

}  // namespace fw
