#pragma once
// One argument or result of a message send: nothing, an object, a selector, a BOOL, an
// integer, a double or a pointer to a rectangle of doubles. A message to nil yields the
// empty Value, which reads as nil, NO, 0 and 0.0.

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

namespace cocoa {

class Object;
class Selector;
class CFString;

// An untyped, non-owning object reference; nil is nullptr.
using id = Object*;
// An interned selector; two selectors with the same name are the same pointer.
using SEL = const Selector*;
using BOOL = bool;
inline constexpr BOOL YES = true;
inline constexpr BOOL NO = false;
inline constexpr std::nullptr_t nil = nullptr;

// A rectangle of doubles: origin and size.
struct CGRect {
    double x{0};
    double y{0};
    double width{0};
    double height{0};
    bool operator==(const CGRect&) const = default;
};

class Value {
public:
    Value() = default;
    Value(std::nullptr_t) : v_(static_cast<id>(nullptr)) {}
    Value(id object) : v_(object) {}
    Value(SEL selector) : v_(selector) {}
    Value(bool b) : v_(b) {}
    template <std::integral T>
    requires(!std::same_as<T, bool>) Value(T n) : v_(static_cast<std::int64_t>(n)) {}
    Value(double d) : v_(d) {}
    Value(CGRect* rect) : v_(rect) {}
    // Text goes as a CFString, and other pointers have no kind: without these they
    // would quietly pass as YES.
    Value(const char*) = delete;
    Value(const void*) = delete;
    // The string object of a CFString, alive for the call it is passed to.
    Value(const CFString& string);

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(v_); }

    // Each reader accepts the empty Value as nil, NO or 0 and raises
    // fw::IllegalCastException for a value of another kind. BOOL and integers convert
    // into each other, integers into doubles.
    id AsId() const;
    SEL AsSel() const;
    BOOL AsBool() const;
    std::int64_t AsInt() const;
    double AsDouble() const;
    CGRect* AsRectPointer() const;

    // The kind's name, for error messages.
    std::string KindName() const;

private:
    std::variant<std::monostate, id, SEL, bool, std::int64_t, double, CGRect*> v_;
};

}  // namespace cocoa
