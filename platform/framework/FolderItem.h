#pragma once
// A handle to a file or folder by its POSIX path. The handle exists whether or not the
// item does; the path is kept as given (bytes), only a trailing slash is removed.

#include <string>
#include <string_view>

#include "Object.h"

namespace fw {

class FolderItem : public Object {
public:
    explicit FolderItem(std::string path);

    // Nil for an empty path.
    static Ref<FolderItem> FromPath(std::string path);

    std::string ClassName() const override { return "FolderItem"; }

    // The last path component, extension included ("" for "/").
    std::string Name() const;
    // The enclosing folder; Nil for "/" and for a relative path of one component.
    Ref<FolderItem> Parent() const;
    // Something is at the path (a dangling symbolic link counts).
    bool Exists() const;
    // The path leads, links followed, to a folder.
    bool IsFolder() const;
    // The path leads, links followed, to a regular file.
    bool IsFile() const;
    // The path leads, links followed, to a regular file that this process may run.
    bool IsExecutableFile() const;
    // What the symbolic link at the path holds, as written in it; empty when the item is
    // no symbolic link.
    std::string LinkTarget() const;
    // The item named name inside this folder, whether or not it exists. Nil for a name
    // that is empty, "." or "..", or holds "/" or a NUL byte. With followAlias, a child
    // that is a symbolic link to an existing item gives that item's real path.
    Ref<FolderItem> Child(std::string_view name, bool followAlias = true) const;
    // Creates the folder (mode 0777 less the umask). Reports nothing.
    void CreateAsFolder() const;
    // Deletes a file, a link or an empty folder. Reports nothing.
    void Delete() const;
    // Moves the item to the full path destination. Never replaces an existing item:
    // when destination exists, or can't be made (say, it lies inside a file), nothing
    // moves. Across file systems a file or link is copied (see MoveAcrossFileSystems):
    // no partial copy ever stands at destination, and when the source can't be removed
    // the copy is removed and nothing moved. Returns whether the item moved.
    bool MoveFileTo(const Ref<FolderItem>& destination) const;
    // Whether the last MoveFileTo on this handle failed because another program replaced
    // or wrote to the file while it was being copied; what is at the path then is left as
    // it is. False after any other outcome, and before any move.
    bool MoveFoundSourceChanged() const { return moveFoundSourceChanged_; }

    // The POSIX path.
    std::string NativePath() const { return path_; }
    // The path as one word that /bin/sh reads back as exactly this path.
    std::string ShellPath() const;

private:
    std::string path_;
    // The outcome of the last move, not part of what the handle names.
    mutable bool moveFoundSourceChanged_{false};
};

}  // namespace fw
