#include "cocoa/Value.h"

#include "cocoa/NSString.h"
#include "framework/RuntimeException.h"

namespace cocoa {

namespace {

[[noreturn]] void RaiseKind(const Value& v, const char* wanted) {
    throw fw::IllegalCastException("Message value of kind " + v.KindName() + " read as " + wanted);
}

}  // namespace

Value::Value(const CFString& string) : v_(string.Get()) {}

id Value::AsId() const {
    if (IsEmpty()) {
        return nullptr;
    }
    if (const auto* p = std::get_if<id>(&v_)) {
        return *p;
    }
    RaiseKind(*this, "object");
}

SEL Value::AsSel() const {
    if (IsEmpty()) {
        return nullptr;
    }
    if (const auto* p = std::get_if<SEL>(&v_)) {
        return *p;
    }
    // A nil object passed where a selector is expected stands for no selector.
    if (const auto* p = std::get_if<id>(&v_); p && *p == nullptr) {
        return nullptr;
    }
    RaiseKind(*this, "selector");
}

BOOL Value::AsBool() const {
    if (IsEmpty()) {
        return NO;
    }
    if (const auto* p = std::get_if<bool>(&v_)) {
        return *p;
    }
    if (const auto* p = std::get_if<std::int64_t>(&v_)) {
        return *p != 0;
    }
    RaiseKind(*this, "BOOL");
}

std::int64_t Value::AsInt() const {
    if (IsEmpty()) {
        return 0;
    }
    if (const auto* p = std::get_if<std::int64_t>(&v_)) {
        return *p;
    }
    if (const auto* p = std::get_if<bool>(&v_)) {
        return *p ? 1 : 0;
    }
    RaiseKind(*this, "integer");
}

double Value::AsDouble() const {
    if (IsEmpty()) {
        return 0.0;
    }
    if (const auto* p = std::get_if<double>(&v_)) {
        return *p;
    }
    if (const auto* p = std::get_if<std::int64_t>(&v_)) {
        return static_cast<double>(*p);
    }
    RaiseKind(*this, "double");
}

CGRect* Value::AsRectPointer() const {
    if (IsEmpty()) {
        return nullptr;
    }
    if (const auto* p = std::get_if<CGRect*>(&v_)) {
        return *p;
    }
    if (const auto* p = std::get_if<id>(&v_); p && *p == nullptr) {
        return nullptr;
    }
    RaiseKind(*this, "rectangle pointer");
}

std::string Value::KindName() const {
    switch (v_.index()) {
        case 0:
            return "none";
        case 1:
            return "object";
        case 2:
            return "selector";
        case 3:
            return "BOOL";
        case 4:
            return "integer";
        case 5:
            return "double";
        default:
            return "rectangle pointer";
    }
}

}  // namespace cocoa
