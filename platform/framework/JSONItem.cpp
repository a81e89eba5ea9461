#include "JSONItem.h"

#include <algorithm>

#include "Dictionary.h"
#include "RuntimeException.h"
#include "Strings.h"

namespace fw {

namespace {

using Json = nlohmann::ordered_json;

Json ToJson(const Variant& value) {
    switch (value.GetType()) {
        case Variant::Type::Nil:
            return nullptr;
        case Variant::Type::Boolean:
            return value.BooleanValue();
        case Variant::Type::Integer:
            return value.IntegerValue();
        case Variant::Type::Double:
            return value.DoubleValue();
        case Variant::Type::String:
            return value.StringValue();
        case Variant::Type::Array: {
            Json array = Json::array();
            for (const Variant& item : value.ArrayValue()) {
                array.push_back(ToJson(item));
            }
            return array;
        }
        case Variant::Type::Object:
            break;
    }
    const Ref<Object> object = value.ObjectValue();
    if (const auto item = TryCast<JSONItem>(object)) {
        return item->Content();
    }
    if (const auto dictionary = TryCast<Dictionary>(object)) {
        Json members = Json::object();
        for (const Variant& key : dictionary->Keys()) {
            members[key.StringValue()] = ToJson(dictionary->Value(key));
        }
        return members;
    }
    throw JSONException("A " + object->ClassName() + " can't be stored in a JSONItem.");
}

Variant FromJson(const Json& value) {
    switch (value.type()) {
        case Json::value_t::null:
        case Json::value_t::discarded:
            return Variant();
        case Json::value_t::boolean:
            return Variant(value.get<bool>());
        case Json::value_t::number_integer:
            return Variant(value.get<std::int64_t>());
        case Json::value_t::number_unsigned: {
            const auto u = value.get<std::uint64_t>();
            if (u <= static_cast<std::uint64_t>(INT64_MAX)) {
                return Variant(static_cast<std::int64_t>(u));
            }
            return Variant(static_cast<double>(u));
        }
        case Json::value_t::number_float:
            return Variant(value.get<double>());
        case Json::value_t::string:
            return Variant(value.get<std::string>());
        case Json::value_t::object:
        case Json::value_t::array:
            return Variant(New<JSONItem>(value));
        case Json::value_t::binary:
            break;
    }
    throw JSONException("Unsupported JSON value.");
}

}  // namespace

JSONItem::JSONItem() : content_(Json::object()) {}

JSONItem::JSONItem(Json content) : content_(std::move(content)) {}

void JSONItem::Load(std::string_view text, int maxDepth) {
    std::string trimmed = Trim(text);
    if (trimmed.empty()) {
        trimmed = "{}";
    }
    // A text nested too deep is refused as it is read, rather than allowed to overflow
    // the stack when the value is copied or written.
    maxDepth = std::min(maxDepth, kMaxDepth);
    const auto limitDepth = [maxDepth](int depth, Json::parse_event_t event, Json&) {
        // depth counts the objects and arrays around the one that starts.
        const bool opens =
            event == Json::parse_event_t::object_start || event == Json::parse_event_t::array_start;
        if (opens && depth >= maxDepth) {
            throw JSONTooDeepException("JSON text nests deeper than " + std::to_string(maxDepth) +
                                       " levels.");
        }
        return true;
    };
    Json parsed;
    try {
        parsed = Json::parse(trimmed, limitDepth);
    } catch (const Json::exception& e) {
        throw JSONException(e.what(), e.id);
    }
    if (!parsed.is_object() && !parsed.is_array()) {
        throw JSONException("JSON text must hold an object or an array.");
    }
    content_ = std::move(parsed);
}

std::string JSONItem::ToString() const {
    if (content_.is_null()) {
        return "{}";
    }
    return content_.dump(Compact ? -1 : 2, ' ', false, Json::error_handler_t::replace);
}

bool JSONItem::HasName(std::string_view name) const {
    if (content_.is_array()) {
        throw JSONException("Item is an array");
    }
    return content_.is_object() && content_.contains(name);
}

Variant JSONItem::Value(std::string_view name) const {
    if (content_.is_array()) {
        throw JSONException("Item is an array");
    }
    if (!content_.is_object()) {
        throw KeyNotFoundException("The JSONItem has no member named " + std::string(name) + ".");
    }
    const auto found = content_.find(name);
    if (found == content_.end()) {
        throw KeyNotFoundException("The JSONItem has no member named " + std::string(name) + ".");
    }
    return FromJson(*found);
}

void JSONItem::Value(std::string_view name, const Variant& value) {
    if (content_.is_array()) {
        throw JSONException("JSONItem is an array");
    }
    Json converted = ToJson(value);
    if (!content_.is_object()) {
        content_ = Json::object();
    }
    content_[std::string(name)] = std::move(converted);
}

bool JSONItem::IsArray() const {
    return content_.is_array();
}

std::int64_t JSONItem::Count() const {
    return content_.is_structured() ? static_cast<std::int64_t>(content_.size()) : 0;
}

}  // namespace fw
