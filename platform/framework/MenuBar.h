#pragma once
// The root of a menu tree: its children are the menus shown in the bar.

#include "MenuItem.h"

namespace fw {

class MenuBar : public MenuItem {
public:
    std::string ClassName() const override { return "MenuBar"; }
};

}  // namespace fw
