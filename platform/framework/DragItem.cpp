#include "DragItem.h"

namespace fw {

Ref<fw::FolderItem> DragItem::FolderItem() const {
    if (!FolderItemAvailable()) {
        return nullptr;
    }
    return fw::FolderItem::FromPath(paths_[index_]);
}

bool DragItem::NextItem() {
    if (index_ < paths_.size()) {
        ++index_;
    }
    return index_ < paths_.size();
}

}  // namespace fw
