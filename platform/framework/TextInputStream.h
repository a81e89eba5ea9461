#pragma once
// Reads a whole file as text (bytes, no conversion).

#include <cstddef>
#include <limits>
#include <string>

#include "FileDescriptor.h"
#include "FolderItem.h"

namespace fw {

class TextInputStream : public Object {
public:
    // NilObjectException for Nil; IOException when the file can't be opened for reading.
    static Ref<TextInputStream> Open(const Ref<FolderItem>& file);

    explicit TextInputStream(FileDescriptor fd);
    std::string ClassName() const override { return "TextInputStream"; }

    // The rest of the file. IOException when reading fails or the stream is closed, and
    // (EFBIG) when more than limit bytes remain: a file that is too large is refused before
    // it is read, and one that grows while being read is never held beyond the limit.
    std::string ReadAll(std::size_t limit = std::numeric_limits<std::size_t>::max());
    void Close();

private:
    FileDescriptor fd_;
};

}  // namespace fw
