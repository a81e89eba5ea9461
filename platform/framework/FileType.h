#pragma once
// A file type record, registered with the framework under its Name so that windows can
// accept drops of it. "special/any" stands for any file, "special/folder" for folders.

#include <string>
#include <vector>

#include "Object.h"

namespace fw {

class FileType : public Object {
public:
    std::string ClassName() const override { return "FileType"; }

    std::string Name;
    // ";"-separated extensions with or without their dot; ".*" matches any file.
    std::string Extensions;
    std::string MacType;
    std::string MacCreator;
    std::string MimeType;
    bool Imported{false};
    std::string ConformsTo;
    std::string UTI;

    // Registers a copy of the record under its Name (replacing one of the same Name)
    // and returns the Name: the framework's String conversion.
    std::string Register() const;
    explicit operator std::string() const { return Register(); }

    // The registered record of that Name (exact), or Nil.
    static Ref<FileType> Registered(const std::string& name);
    // Whether a file (not a folder) with this name is of this type by its extensions.
    bool MatchesFileName(const std::string& fileName) const;
};

}  // namespace fw
