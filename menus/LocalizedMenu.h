#pragma once
// The menu bar's localisable captions and the language marker kLang ("en" by default;
// a translation names its own language). Each takes a language code (callers pass "").

#include <string>

namespace LocalizedMenu {

std::string kDelete(const std::string& language);
std::string kCut(const std::string& language);
std::string kFile(const std::string& language);
std::string kEdit(const std::string& language);
std::string kCopy(const std::string& language);
std::string kPaste(const std::string& language);
std::string kHelp(const std::string& language);
std::string kSelectAll(const std::string& language);
std::string kFileClose(const std::string& language);
std::string kWindow(const std::string& language);
std::string kMinimize(const std::string& language);
std::string kZoom(const std::string& language);
std::string kBringAllToFront(const std::string& language);
std::string kLang(const std::string& language);
std::string kFind(const std::string& language);

}  // namespace LocalizedMenu
