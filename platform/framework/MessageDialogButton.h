#pragma once
// One button of a MessageDialog.

#include <string>

#include "Object.h"

namespace fw {

class MessageDialogButton : public Object {
public:
    MessageDialogButton(std::string caption, bool visible)
        : Caption(std::move(caption)), Visible(visible) {}

    std::string ClassName() const override { return "MessageDialogButton"; }

    std::string Caption;
    bool Visible;
};

}  // namespace fw
