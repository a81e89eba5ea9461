#pragma once
// The menu handlers that the application, a window or a control keeps, by item name.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

class MenuHandlers {
public:
    // A handler for the menu item with this Name (StringEquals); True from it means the
    // command was handled. A later handler for the same name replaces the earlier one.
    void Add(const std::string& itemName, std::function<bool()> handler);
    // Whether a handler for that name is set.
    bool Has(std::string_view itemName) const;
    // Runs the handler for that name; False when there is none or it did not handle it.
    bool Run(std::string_view itemName) const;

private:
    const std::function<bool()>* Find(std::string_view itemName) const;

    std::vector<std::pair<std::string, std::function<bool()>>> handlers_;
};

}  // namespace fw
