#pragma once
// The Quit item. When the user chooses it, the application layer raises its Action
// event and, unless a handler answered True, quits the application: that is what
// QuitsApplication() tells it.

#include "ApplicationMenuItem.h"

namespace fw {

class QuitMenuItem : public ApplicationMenuItem {
public:
    std::string ClassName() const override { return "QuitMenuItem"; }
    bool QuitsApplication() const override { return true; }
};

}  // namespace fw
