#pragma once
// Writes a file as a whole: the text goes to a temporary file beside the target, which
// replaces the target only once everything is written and synced, so the target is never
// left truncated or half-written.

#include <string>
#include <string_view>

#include "FileDescriptor.h"
#include "FolderItem.h"

namespace fw {

class TextOutputStream : public Object {
public:
    // NilObjectException for Nil; IOException when the file can't be created (its folder
    // is missing or not writable), and when the target (links followed) exists and is not
    // a regular file or may not be written by the user: nothing is changed then.
    static Ref<TextOutputStream> Create(const Ref<FolderItem>& file);
    // Whether Create would put its file at file: nothing is there, or (links followed) a
    // regular file the user may write. False for Nil.
    static bool MayReplace(const Ref<FolderItem>& file);

    TextOutputStream(std::string target, std::string temporary, FileDescriptor fd);
    // Commits what was written, as Close does, but never throws.
    ~TextOutputStream() override;
    std::string ClassName() const override { return "TextOutputStream"; }

    // Appends the text unchanged (no line end). Failures surface at Close.
    void Write(std::string_view text);
    // Syncs and puts the file in place. IOException when any write or the commit failed;
    // the target then keeps its earlier content. A second Close does nothing.
    void Close();

private:
    void Commit();

    std::string target_;
    std::string temporary_;
    FileDescriptor fd_;
    int error_{0};
};

}  // namespace fw
