#include "menus/LocalizedMenu.h"

#include "text/Localizable.h"

namespace LocalizedMenu {

std::string kDelete(const std::string& language) {
    return LocalizedText("LocalizedMenu.kDelete", "Delete", language);
}

std::string kCut(const std::string& language) {
    return LocalizedText("LocalizedMenu.kCut", "Cut", language);
}

std::string kFile(const std::string& language) {
    return LocalizedText("LocalizedMenu.kFile", "File", language);
}

std::string kEdit(const std::string& language) {
    return LocalizedText("LocalizedMenu.kEdit", "Edit", language);
}

std::string kCopy(const std::string& language) {
    return LocalizedText("LocalizedMenu.kCopy", "Copy", language);
}

std::string kPaste(const std::string& language) {
    return LocalizedText("LocalizedMenu.kPaste", "Paste", language);
}

std::string kHelp(const std::string& language) {
    return LocalizedText("LocalizedMenu.kHelp", "Help", language);
}

std::string kSelectAll(const std::string& language) {
    return LocalizedText("LocalizedMenu.kSelectAll", "Select All", language);
}

std::string kFileClose(const std::string& language) {
    return LocalizedText("LocalizedMenu.kFileClose", "Close", language);
}

std::string kWindow(const std::string& language) {
    return LocalizedText("LocalizedMenu.kWindow", "Window", language);
}

std::string kMinimize(const std::string& language) {
    return LocalizedText("LocalizedMenu.kMinimize", "Minimize", language);
}

std::string kZoom(const std::string& language) {
    return LocalizedText("LocalizedMenu.kZoom", "Zoom", language);
}

std::string kBringAllToFront(const std::string& language) {
    return LocalizedText("LocalizedMenu.kBringAllToFront", "Bring All to Front", language);
}

std::string kLang(const std::string& language) {
    return LocalizedText("LocalizedMenu.kLang", "en", language);
}

std::string kFind(const std::string& language) {
    return LocalizedText("LocalizedMenu.kFind", "Find...", language);
}

}  // namespace LocalizedMenu
