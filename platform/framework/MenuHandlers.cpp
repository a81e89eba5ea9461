#include "MenuHandlers.h"

#include "Strings.h"

namespace fw {

void MenuHandlers::Add(const std::string& itemName, std::function<bool()> handler) {
    for (auto& [name, existing] : handlers_) {
        if (StringEquals(name, itemName)) {
            existing = std::move(handler);
            return;
        }
    }
    handlers_.emplace_back(itemName, std::move(handler));
}

const std::function<bool()>* MenuHandlers::Find(std::string_view itemName) const {
    for (const auto& [name, handler] : handlers_) {
        if (StringEquals(name, itemName)) {
            return handler ? &handler : nullptr;
        }
    }
    return nullptr;
}

bool MenuHandlers::Has(std::string_view itemName) const {
    return Find(itemName) != nullptr;
}

bool MenuHandlers::Run(std::string_view itemName) const {
    const std::function<bool()>* handler = Find(itemName);
    // A copy: the handler may replace itself while it runs.
    return handler != nullptr && std::function<bool()>(*handler)();
}

}  // namespace fw
