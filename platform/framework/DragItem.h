#pragma once
// The items of one drop: the files and folders, by path, in the drop's order. The item
// starts on the first one; NextItem walks on.

#include <cstddef>
#include <string>
#include <vector>

#include "FolderItem.h"
#include "Object.h"

namespace fw {

class DragItem : public Object {
public:
    explicit DragItem(std::vector<std::string> paths) : paths_(std::move(paths)) {}

    std::string ClassName() const override { return "DragItem"; }

    // True when the current item carries a file or folder.
    bool FolderItemAvailable() const { return index_ < paths_.size(); }
    // The current file or folder, its path exactly as dropped; Nil when none.
    Ref<fw::FolderItem> FolderItem() const;
    // Moves to the next item; False when there is none (the item then carries nothing).
    bool NextItem();

private:
    std::vector<std::string> paths_;
    std::size_t index_{0};
};

}  // namespace fw
