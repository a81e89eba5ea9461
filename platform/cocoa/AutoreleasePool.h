#pragma once
// Objects that a method returns without anyone owning them (an icon image, an array)
// stay alive until the innermost pool ends. Outside every pool they stay until the
// event being handled is done: the event loop then drains them.

#include <memory>
#include <vector>

#include "cocoa/Value.h"

namespace cocoa {

class Object;

// Keeps object alive until the current pool ends and returns it as an id.
id Autorelease(std::shared_ptr<Object> object);

// Releases what was autoreleased outside every AutoreleasePool.
void DrainAutoreleasePool();

class AutoreleasePool {
public:
    AutoreleasePool();
    ~AutoreleasePool();
    AutoreleasePool(const AutoreleasePool&) = delete;
    AutoreleasePool& operator=(const AutoreleasePool&) = delete;
};

}  // namespace cocoa
