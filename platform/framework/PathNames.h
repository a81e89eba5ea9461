#pragma once
// The two parts of a POSIX path, as the file operations need them.

#include <string>

namespace fw {

// The folder part: "." for a bare name, "/" for an item at the top.
inline std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The last component.
inline std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace fw
