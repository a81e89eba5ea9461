#include "Dictionary.h"

#include <algorithm>

#include "RuntimeException.h"
#include "Strings.h"

namespace fw {

namespace {

bool SameKey(const Variant& a, const Variant& b) {
    if (a.GetType() == Variant::Type::String && b.GetType() == Variant::Type::String) {
        return StringEquals(a.StringValue(), b.StringValue());
    }
    return a == b;
}

}  // namespace

const Variant* Dictionary::Find(const Variant& key) const {
    for (const auto& [name, value] : entries_) {
        if (SameKey(name, key)) {
            return &value;
        }
    }
    return nullptr;
}

void Dictionary::Value(const Variant& key, const Variant& value) {
    for (auto& entry : entries_) {
        if (SameKey(entry.first, key)) {
            entry.second = value;
            return;
        }
    }
    entries_.emplace_back(key, value);
}

Variant Dictionary::Value(const Variant& key) const {
    if (const Variant* value = Find(key)) {
        return *value;
    }
    throw KeyNotFoundException("The Dictionary has no key " +
                               (key.GetType() == Variant::Type::String
                                    ? key.StringValue()
                                    : std::string("of that value")) +
                               ".");
}

Variant Dictionary::Lookup(const Variant& key, const Variant& fallback) const {
    const Variant* value = Find(key);
    return value ? *value : fallback;
}

bool Dictionary::HasKey(const Variant& key) const {
    return Find(key) != nullptr;
}

void Dictionary::Remove(const Variant& key) {
    std::erase_if(entries_, [&](const auto& entry) { return SameKey(entry.first, key); });
}

std::vector<Variant> Dictionary::Keys() const {
    std::vector<Variant> keys;
    keys.reserve(entries_.size());
    for (const auto& entry : entries_) {
        keys.push_back(entry.first);
    }
    return keys;
}

}  // namespace fw
