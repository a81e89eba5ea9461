#pragma once
// An immutable array object answering `count` and `objectAtIndex:`; it keeps its
// elements alive.

#include <memory>
#include <vector>

#include "cocoa/Runtime.h"

namespace cocoa {

class NSArrayObject final : public Object {
public:
    NSArrayObject(Class* isa, std::vector<std::shared_ptr<Object>> elements)
        : Object(isa), elements_(std::move(elements)) {}
    const std::vector<std::shared_ptr<Object>>& Elements() const { return elements_; }

private:
    std::vector<std::shared_ptr<Object>> elements_;
};

// A new autoreleased array of these objects.
id MakeAutoreleasedArray(std::vector<std::shared_ptr<Object>> elements);

}  // namespace cocoa
