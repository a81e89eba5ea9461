#include <algorithm>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "cocoa/Runtime.h"

namespace cocoa {

Selector::Selector(std::string name)
    : name_(std::move(name)),
      argumentCount_(static_cast<std::size_t>(std::count(name_.begin(), name_.end(), ':'))) {}

SEL NSSelectorFromString(std::string_view name) {
    if (name.empty()) {
        return nullptr;
    }
    // Selectors live until the program ends so that SEL values never dangle.
    static std::mutex mutex;
    static std::unordered_map<std::string, std::unique_ptr<Selector>> table;
    std::lock_guard lock(mutex);
    auto it = table.find(std::string(name));
    if (it == table.end()) {
        auto selector = std::make_unique<Selector>(std::string(name));
        it = table.emplace(std::string(name), std::move(selector)).first;
    }
    return it->second.get();
}

SEL sel_registerName(const char* name) {
    return name == nullptr ? nullptr : NSSelectorFromString(name);
}

}  // namespace cocoa
