#pragma once
// Variant names to Variant values, in insertion order. String names compare with
// StringEquals (letter case ignored); other names by Variant equality.

#include <cstdint>
#include <utility>
#include <vector>

#include "Object.h"
#include "Variant.h"

namespace fw {

class Dictionary : public Object {
public:
    std::string ClassName() const override { return "Dictionary"; }

    // Adds the name or replaces its value (the name keeps its first spelling and place).
    void Value(const Variant& key, const Variant& value);
    // KeyNotFoundException when the name is absent.
    Variant Value(const Variant& key) const;
    Variant Lookup(const Variant& key, const Variant& fallback) const;
    bool HasKey(const Variant& key) const;
    void Remove(const Variant& key);
    std::int64_t KeyCount() const { return static_cast<std::int64_t>(entries_.size()); }
    std::vector<Variant> Keys() const;

private:
    const Variant* Find(const Variant& key) const;

    std::vector<std::pair<Variant, Variant>> entries_;
};

}  // namespace fw
