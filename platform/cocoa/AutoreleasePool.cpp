#include "cocoa/AutoreleasePool.h"

#include "cocoa/AppKitSupport.h"
#include "cocoa/Runtime.h"
#include "framework/Runtime.h"

namespace cocoa {

namespace {

using Frame = std::vector<std::shared_ptr<Object>>;

// The bottom frame collects what is autoreleased outside every pool.
std::vector<Frame>& Frames() {
    thread_local std::vector<Frame> frames(1);
    return frames;
}

// Outside every pool, the event loop drains once the current event is handled, as a
// run loop does. The token lives in the posted task: once the task has run, or the
// backend dropped it, the next autorelease posts a new one.
void ScheduleDrain() {
    struct DrainToken {};
    static std::weak_ptr<DrainToken> pending;
    if (!pending.expired() || !fw::IsMainThread()) {
        return;
    }
    fw::Backend* backend = detail::ActiveBackend();
    if (backend == nullptr) {
        return;
    }
    auto token = std::make_shared<DrainToken>();
    pending = token;
    backend->Post([token] { DrainAutoreleasePool(); });
}

}  // namespace

id Autorelease(std::shared_ptr<Object> object) {
    id raw = object.get();
    if (object) {
        Frames().back().push_back(std::move(object));
        if (Frames().size() == 1) {
            ScheduleDrain();
        }
    }
    return raw;
}

void DrainAutoreleasePool() {
    // Moved out first: releasing an object may autorelease others.
    Frame released = std::move(Frames().front());
    Frames().front().clear();
}

AutoreleasePool::AutoreleasePool() {
    Frames().emplace_back();
}

AutoreleasePool::~AutoreleasePool() {
    Frame released = std::move(Frames().back());
    Frames().pop_back();
}

}  // namespace cocoa
