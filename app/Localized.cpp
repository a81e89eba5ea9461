#include "app/Localized.h"

#include "text/Localizable.h"

namespace Localized {

std::string Drop_to_window(const std::string& language) {
    return LocalizedText("Localized.Drop_to_window", "Drop the font file into the window.",
                         language);
}

std::string kRun(const std::string& language) {
    return LocalizedText("Localized.kRun", "Run", language);
}

std::string kItem(const std::string& language) {
    return LocalizedText("Localized.kItem", "file", language);
}

std::string kItems(const std::string& language) {
    return LocalizedText("Localized.kItems", "files", language);
}

std::string Completed(const std::string& language) {
    return LocalizedText("Localized.Completed", "Completed.", language);
}

}  // namespace Localized
