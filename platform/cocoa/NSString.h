#pragma once
// String objects. A framework string (UTF-8) becomes a string object for one call
// through CFString, which releases it when it goes out of scope:
//   SendBool(ws, sel, {CFString(path), CFString("")});

#include <memory>
#include <string>
#include <string_view>

#include "cocoa/Runtime.h"

namespace cocoa {

class NSStringObject final : public Object {
public:
    NSStringObject(Class* isa, std::string utf8) : Object(isa), utf8_(std::move(utf8)) {}
    const std::string& Utf8() const { return utf8_; }

private:
    std::string utf8_;
};

// Owns one string object; move-only.
class CFString {
public:
    explicit CFString(std::string_view utf8);
    id Get() const { return object_.get(); }

private:
    std::shared_ptr<NSStringObject> object_;
};

inline CFString CFStringCreateWithString(std::string_view utf8) {
    return CFString(utf8);
}

// A new autoreleased string object, for methods that return strings.
id MakeAutoreleasedString(std::string_view utf8);

// The text of a string object; empty for nil. Raises fw::IllegalCastException for an
// object that is no string.
std::string StringValue(id string);

// The file manager's order of names: digits compared by their numeric value, by the
// collation of the current locale, case and width counting only between names otherwise
// equal, then bytes. -1, 0 or 1; 0 only for identical names.
int LocalizedStandardCompare(std::string_view a, std::string_view b);

}  // namespace cocoa
