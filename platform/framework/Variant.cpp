#include "Variant.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "RuntimeException.h"
#include "Strings.h"

namespace fw {

namespace {

const char* TypeName(Variant::Type type) {
    switch (type) {
        case Variant::Type::Nil:
            return "Nil";
        case Variant::Type::Boolean:
            return "Boolean";
        case Variant::Type::Integer:
            return "Integer";
        case Variant::Type::Double:
            return "Double";
        case Variant::Type::String:
            return "String";
        case Variant::Type::Object:
            return "Object";
        case Variant::Type::Array:
            return "Array";
    }
    return "?";
}

[[noreturn]] void RaiseCast(Variant::Type from, const char* to) {
    throw IllegalCastException(std::string("A ") + TypeName(from) + " Variant can't be read as " +
                               to + ".");
}

std::int64_t Truncate(double d) {
    // 2^63 is exact as a double; anything outside [-2^63, 2^63) and NaN give the minimum.
    constexpr double limit = 9223372036854775808.0;
    if (std::isnan(d) || d >= limit || d < -limit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(d);
}

}  // namespace

Variant::Variant(std::vector<Variant> array)
    : value_(std::make_shared<const std::vector<Variant>>(std::move(array))) {}

Variant::Variant(const std::vector<std::int64_t>& array) {
    std::vector<Variant> items(array.begin(), array.end());
    value_ = std::make_shared<const std::vector<Variant>>(std::move(items));
}

Variant::Variant(const std::vector<std::string>& array) {
    std::vector<Variant> items(array.begin(), array.end());
    value_ = std::make_shared<const std::vector<Variant>>(std::move(items));
}

Variant::Type Variant::GetType() const {
    return static_cast<Type>(value_.index());
}

bool Variant::IsNumeric() const {
    return GetType() == Type::Integer || GetType() == Type::Double;
}

bool Variant::BooleanValue() const {
    switch (GetType()) {
        case Type::Nil:
            return false;
        case Type::Boolean:
            return std::get<bool>(value_);
        default:
            RaiseCast(GetType(), "Boolean");
    }
}

std::int64_t Variant::IntegerValue() const {
    switch (GetType()) {
        case Type::Nil:
            return 0;
        case Type::Integer:
            return std::get<std::int64_t>(value_);
        case Type::Double:
            return Truncate(std::get<double>(value_));
        case Type::String:
            return Truncate(Val(std::get<std::string>(value_)));
        default:
            RaiseCast(GetType(), "Integer");
    }
}

double Variant::DoubleValue() const {
    switch (GetType()) {
        case Type::Nil:
            return 0.0;
        case Type::Integer:
            return static_cast<double>(std::get<std::int64_t>(value_));
        case Type::Double:
            return std::get<double>(value_);
        case Type::String:
            return Val(std::get<std::string>(value_));
        default:
            RaiseCast(GetType(), "Double");
    }
}

std::string Variant::StringValue() const {
    switch (GetType()) {
        case Type::Nil:
            return {};
        case Type::Boolean:
            return std::get<bool>(value_) ? "True" : "False";
        case Type::Integer:
            return ToString(std::get<std::int64_t>(value_));
        case Type::Double: {
            // The shortest text that reads back as the same Double.
            char buffer[64];
            const auto result =
                std::to_chars(buffer, buffer + sizeof buffer, std::get<double>(value_));
            return std::string(buffer, result.ptr);
        }
        case Type::String:
            return std::get<std::string>(value_);
        default:
            RaiseCast(GetType(), "String");
    }
}

Ref<Object> Variant::ObjectValue() const {
    switch (GetType()) {
        case Type::Nil:
            return nullptr;
        case Type::Object:
            return std::get<Ref<Object>>(value_);
        default:
            RaiseCast(GetType(), "Object");
    }
}

const std::vector<Variant>& Variant::ArrayValue() const {
    static const std::vector<Variant> empty;
    switch (GetType()) {
        case Type::Nil:
            return empty;
        case Type::Array:
            return *std::get<Array>(value_);
        default:
            RaiseCast(GetType(), "Array");
    }
}

bool Variant::operator==(const Variant& other) const {
    if (GetType() != other.GetType()) {
        return false;
    }
    switch (GetType()) {
        case Type::Nil:
            return true;
        case Type::Boolean:
            return std::get<bool>(value_) == std::get<bool>(other.value_);
        case Type::Integer:
            return std::get<std::int64_t>(value_) == std::get<std::int64_t>(other.value_);
        case Type::Double:
            return std::get<double>(value_) == std::get<double>(other.value_);
        case Type::String:
            return std::get<std::string>(value_) == std::get<std::string>(other.value_);
        case Type::Object:
            return std::get<Ref<Object>>(value_) == std::get<Ref<Object>>(other.value_);
        case Type::Array:
            return *std::get<Array>(value_) == *std::get<Array>(other.value_);
    }
    return false;
}

}  // namespace fw
