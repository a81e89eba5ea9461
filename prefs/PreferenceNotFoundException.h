#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "framework/RuntimeException.h"

namespace Preferences {

// Raised for a key that the stored preferences do not hold.
class PreferenceNotFoundException : public fw::RuntimeException {
public:
    PreferenceNotFoundException() = default;
    PreferenceNotFoundException(std::string message, std::int64_t errorNumber)
        : fw::RuntimeException(std::move(message), errorNumber) {}
    explicit PreferenceNotFoundException(const std::string& key)
        : fw::RuntimeException("Preference value '" + key + "' does not exist.") {}

    std::string ClassName() const override { return "Preferences.PreferenceNotFoundException"; }
};

}  // namespace Preferences
