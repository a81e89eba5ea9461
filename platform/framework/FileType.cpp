#include "FileType.h"

#include "Strings.h"
#include "UiRuntime.h"

namespace fw {

std::string FileType::Register() const {
    auto copy = New<FileType>(*this);
    UiRuntime::Get().fileTypes[Name] = copy;
    return Name;
}

Ref<FileType> FileType::Registered(const std::string& name) {
    auto& types = UiRuntime::Get().fileTypes;
    auto it = types.find(name);
    return it == types.end() ? nullptr : it->second;
}

bool FileType::MatchesFileName(const std::string& fileName) const {
    for (const auto& piece : SplitB(Extensions, ";")) {
        std::string extension = Trim(piece);
        if (!extension.empty() && extension.front() == '.') {
            extension.erase(0, 1);
        }
        if (extension.empty()) {
            continue;
        }
        if (extension == "*") {
            return true;
        }
        std::string suffix = "." + extension;
        if (LenB(fileName) > LenB(suffix) && StringEquals(RightB(fileName, LenB(suffix)), suffix)) {
            return true;
        }
    }
    return false;
}

}  // namespace fw
