#pragma once
// The framework's dynamic value: Nil, Boolean, Integer (64-bit), Double, String,
// an object reference, or an array of Variants.
//
// Reading a Variant as a kind it can't be converted to raises IllegalCastException.
// Conversions: Integer and Double convert to each other (Double truncates toward
// zero; NaN and values outside 64 bits give the minimum Integer); a String reads as a
// number through Val; Boolean ("True"/"False"), Integer and Double (shortest text that
// reads back the same) read as String; a Boolean reads only as Boolean or String; an
// object reads as the object only; an array as the array only; Nil reads as False, 0,
// 0.0, "", a Nil object and an empty array.

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "Object.h"

namespace fw {

class Variant {
public:
    enum class Type { Nil, Boolean, Integer, Double, String, Object, Array };

    Variant() = default;
    Variant(std::nullptr_t) {}
    Variant(bool value) : value_(value) {}
    Variant(int value) : value_(static_cast<std::int64_t>(value)) {}
    Variant(std::int64_t value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(std::string value) : value_(std::move(value)) {}
    Variant(const char* value) : value_(std::string(value)) {}
    template <class T>
    Variant(const Ref<T>& object) {
        if (object) {
            value_ = Ref<Object>(std::static_pointer_cast<Object>(object.Shared()));
        }
    }
    Variant(std::vector<Variant> array);
    Variant(const std::vector<std::int64_t>& array);
    Variant(const std::vector<std::string>& array);

    Type GetType() const;
    bool IsNil() const { return GetType() == Type::Nil; }
    bool IsArray() const { return GetType() == Type::Array; }
    bool IsNumeric() const;

    bool BooleanValue() const;
    std::int64_t IntegerValue() const;
    double DoubleValue() const;
    std::string StringValue() const;
    Ref<Object> ObjectValue() const;
    const std::vector<Variant>& ArrayValue() const;

    // The object cast to T: Nil for Nil, IllegalCastException for another kind or class.
    template <class T>
    Ref<T> As() const {
        return Cast<T>(ObjectValue());
    }

    // Same kind and equal value; objects compare by identity.
    bool operator==(const Variant& other) const;

private:
    using Array = std::shared_ptr<const std::vector<Variant>>;
    std::variant<std::monostate, bool, std::int64_t, double, std::string, Ref<Object>, Array>
        value_;
};

}  // namespace fw
