// The Foundation classes: NSObject (the root), NSString and NSArray.

#include <string>

#include "cocoa/AutoreleasePool.h"
#include "cocoa/ClassRegistry.h"
#include "cocoa/NSArray.h"
#include "cocoa/NSString.h"

namespace cocoa {

id MakeAutoreleasedArray(std::vector<std::shared_ptr<Object>> elements) {
    return Autorelease(Make<NSArrayObject>("NSArray", std::move(elements)));
}

namespace detail {

void DefineFoundationClasses() {
    Class& object = DefineClass("NSObject", "");
    object.AddMethod("respondsToSelector:", [](id self, Arguments args) -> Value {
        return RespondsTo(self, args[0].AsSel());
    });

    Class& string = DefineClass("NSString", "NSObject");
    string.AddMethod("localizedStandardCompare:", [](id self, Arguments args) -> Value {
        id other = args[0].AsId();
        if (other == nullptr) {
            throw InvalidArgumentException("-[NSString localizedStandardCompare:]: nil argument");
        }
        return LocalizedStandardCompare(StringValue(self), StringValue(other));
    });

    Class& array = DefineClass("NSArray", "NSObject");
    array.AddMethod("count", [](id self, Arguments) -> Value {
        return static_cast<std::int64_t>(Self<NSArrayObject>(self).Elements().size());
    });
    array.AddMethod("objectAtIndex:", [](id self, Arguments args) -> Value {
        const auto& elements = Self<NSArrayObject>(self).Elements();
        std::int64_t index = args[0].AsInt();
        if (index < 0 || static_cast<std::size_t>(index) >= elements.size()) {
            throw fw::OutOfBoundsException("-[NSArray objectAtIndex:]: index " +
                                           std::to_string(index) + " beyond bounds of " +
                                           std::to_string(elements.size()) + " elements");
        }
        return elements[static_cast<std::size_t>(index)].get();
    });
}

}  // namespace detail
}  // namespace cocoa
