#pragma once
// A menu item that belongs in the application's own menu; where a backend shows it is
// the backend's choice.

#include "MenuItem.h"

namespace fw {

class ApplicationMenuItem : public MenuItem {
public:
    std::string ClassName() const override { return "ApplicationMenuItem"; }
};

}  // namespace fw
