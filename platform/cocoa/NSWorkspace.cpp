// The shared workspace (file icons and revealing files in the file manager) and the
// icon images it gives.

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "cocoa/AppKitSupport.h"
#include "cocoa/AutoreleasePool.h"
#include "cocoa/CoreGraphics.h"
#include "cocoa/NSString.h"

namespace cocoa::detail {

namespace {

// Icons are rendered at most this many pixels wide; larger requests are scaled up.
constexpr int kMaxIconPixels = 1024;
// The size of an image asked for without a proposed rectangle.
constexpr int kDefaultIconPixels = 32;

// A file's icon: rendered by the backend at the pixel size each request needs.
class NSImageObject final : public Object {
public:
    NSImageObject(Class* isa, std::string path) : Object(isa), path_(std::move(path)) {}

    // The rendition for a pixel size, kept for the image's life; nil when the backend
    // has no icon.
    id Rendition(int pixels) {
        auto& slot = renditions_[pixels];
        if (!slot) {
            fw::Backend* backend = ActiveBackend();
            fw::RgbaImage image =
                backend == nullptr ? fw::RgbaImage{} : backend->FileIcon(path_, pixels);
            if (image.IsEmpty() ||
                image.Pixels.size() < static_cast<std::size_t>(image.Width) *
                                          static_cast<std::size_t>(image.Height) * 4) {
                return nullptr;
            }
            slot = Make<CGImageObject>("CGImage", std::move(image));
        }
        return slot.get();
    }

private:
    std::string path_;
    std::map<int, std::shared_ptr<CGImageObject>> renditions_;
};

class NSWorkspaceObject final : public Object {
public:
    explicit NSWorkspaceObject(Class* isa) : Object(isa) {}
};

id SharedWorkspace() {
    static const std::shared_ptr<NSWorkspaceObject> shared = Make<NSWorkspaceObject>("NSWorkspace");
    return shared.get();
}

std::string PathArgument(const Value& argument, const char* method) {
    id path = argument.AsId();
    if (path == nullptr) {
        throw InvalidArgumentException(std::string("-[NSWorkspace ") + method + "]: nil path");
    }
    return StringValue(path);
}

}  // namespace

void DefineWorkspaceClasses() {
    DefineClass("CGImage", "NSObject");

    Class& image = DefineClass("NSImage", "NSObject");
    image.AddMethod("CGImageForProposedRect:context:hints:", [](id self, Arguments args) -> Value {
        int pixels = kDefaultIconPixels;
        if (const CGRect* rect = args[0].AsRectPointer()) {
            const double side = std::max(rect->width, rect->height);
            if (!std::isfinite(side) || side <= 0) {
                return nil;
            }
            pixels = static_cast<int>(std::min<double>(std::ceil(side), kMaxIconPixels));
        }
        return Self<NSImageObject>(self).Rendition(pixels);
    });

    Class& workspace = DefineClass("NSWorkspace", "NSObject");
    workspace.AddClassMethod("sharedWorkspace",
                             [](id, Arguments) -> Value { return SharedWorkspace(); });
    workspace.AddMethod("iconForFile:", [](id, Arguments args) -> Value {
        return Autorelease(Make<NSImageObject>("NSImage", PathArgument(args[0], "iconForFile:")));
    });
    workspace.AddMethod("selectFile:inFileViewerRootedAtPath:", [](id, Arguments args) -> Value {
        std::string path = PathArgument(args[0], "selectFile:inFileViewerRootedAtPath:");
        fw::Backend* backend = ActiveBackend();
        if (backend == nullptr || path.empty()) {
            return NO;
        }
        return backend->RevealFile(path);
    });
}

}  // namespace cocoa::detail
