#include "text/Localizable.h"

#include "framework/System.h"

std::string LocalizedText(std::string_view key, std::string_view englishDefault,
                          std::string_view language) {
    return fw::SystemObject()->GetLocalizedString_(std::string(key), std::string(englishDefault),
                                                   std::string(language));
}
