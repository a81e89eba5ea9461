#pragma once
// A JSON object or array. Members keep their order; integers keep all 64 bits.

#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "Object.h"
#include "Variant.h"

namespace fw {

class JSONItem : public Object {
public:
    // An empty object.
    JSONItem();
    explicit JSONItem(nlohmann::ordered_json content);

    std::string ClassName() const override { return "JSONItem"; }

    // Copying and writing a value recurse through its nesting, so no text may nest deeper.
    static constexpr int kMaxDepth = 512;

    // Parses text, trimmed of white space at both ends; empty text reads as "{}". On
    // success the content becomes the parsed object or array; otherwise JSONException
    // (JSONTooDeepException for more than maxDepth nested objects and arrays) and the
    // content stays as it was.
    void Load(std::string_view text, int maxDepth = kMaxDepth);
    // "{}" for an empty item; compact (no white space between tokens) when Compact,
    // otherwise indented by two blanks per level. Invalid UTF-8 in strings is written
    // as U+FFFD.
    std::string ToString() const;

    // False for an empty item; JSONException "Item is an array" for an array.
    bool HasName(std::string_view name) const;
    // The member's value: a nested object or array comes back as a new JSONItem holding
    // a copy; numbers as Integer or Double; null as Nil. KeyNotFoundException when absent,
    // JSONException "Item is an array" for an array.
    Variant Value(std::string_view name) const;
    // Adds or replaces the member; an empty item becomes an object first. A Variant array
    // becomes a JSON array, a Dictionary an object, a JSONItem its content (all copied).
    // JSONException "JSONItem is an array" for an array; JSONException for a value of
    // another object class.
    void Value(std::string_view name, const Variant& value);

    bool IsArray() const;
    // Members of an object, elements of an array.
    std::int64_t Count() const;

    // Whether ToString writes the compact layout.
    bool Compact{true};

    const nlohmann::ordered_json& Content() const { return content_; }

private:
    nlohmann::ordered_json content_;
};

}  // namespace fw
