// Screen objects, one per display in the backend's order, the same objects on every
// call so that callers can compare them by identity.

#include <memory>
#include <vector>

#include "cocoa/AppKitSupport.h"
#include "cocoa/NSArray.h"

namespace cocoa::detail {

namespace {

class NSScreenObject final : public Object {
public:
    explicit NSScreenObject(Class* isa) : Object(isa) {}
};

std::vector<std::shared_ptr<Object>>& ScreenObjects() {
    static std::vector<std::shared_ptr<Object>> objects;
    return objects;
}

int ScreenCount() {
    fw::Backend* backend = ActiveBackend();
    return backend == nullptr ? 0 : static_cast<int>(backend->Screens().size());
}

// Objects are kept when displays go away, so an index always names the same object.
void EnsureScreenObjects(int count) {
    auto& objects = ScreenObjects();
    while (static_cast<int>(objects.size()) < count) {
        objects.push_back(Make<NSScreenObject>("NSScreen"));
    }
}

}  // namespace

id ScreenObjectAt(int index) {
    int count = ScreenCount();
    if (index < 0 || index >= count) {
        return nullptr;
    }
    EnsureScreenObjects(count);
    return ScreenObjects()[static_cast<std::size_t>(index)].get();
}

void DefineScreenClass() {
    Class& c = DefineClass("NSScreen", "NSObject");
    c.AddClassMethod("screens", [](id, Arguments) -> Value {
        int count = ScreenCount();
        EnsureScreenObjects(count);
        const auto& objects = ScreenObjects();
        return MakeAutoreleasedArray(
            std::vector<std::shared_ptr<Object>>(objects.begin(), objects.begin() + count));
    });
}

}  // namespace cocoa::detail
