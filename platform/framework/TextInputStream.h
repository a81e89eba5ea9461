#pragma once
// Reads a whole file as text (bytes, no conversion).

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

    // The rest of the file. IOException when reading fails or the stream is closed.
    std::string ReadAll();
    void Close();

private:
    FileDescriptor fd_;
};

}  // namespace fw
