#pragma once
// A static text.

#include <string>

#include "Color.h"
#include "RectControl.h"

namespace fw {

class Label : public RectControl {
public:
    std::string ClassName() const override { return "Label"; }

    const std::string& Text() const { return text_; }
    void Text(const std::string& value);
    bool Multiline{false};
    bool Selectable{false};
    // 0 default, 1 left, 2 center, 3 right.
    int TextAlignment{0};
    Color TextColor{0x00000000};

protected:
    void FillState(ControlState& state) const override;

private:
    std::string text_;
};

}  // namespace fw
