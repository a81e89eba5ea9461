#include "window/Icon.h"

#include <vector>

#include "cocoa/Cocoa.h"
#include "cocoa/CoreGraphics.h"
#include "framework/Graphics.h"

namespace Icon {

fw::Ref<fw::Picture> Get(const fw::Ref<fw::FolderItem>& f, std::int64_t size) {
    using namespace cocoa;
    if (!f || !f->Exists()) {
        return nullptr;
    }
    std::vector<fw::Ref<fw::Picture>> pictures;
    id workspace =
        SendId(NSClassFromString("NSWorkspace"), NSSelectorFromString("sharedWorkspace"));
    CFString path = CFStringCreateWithString(f->NativePath());
    id image = SendId(workspace, NSSelectorFromString("iconForFile:"), {path});

    for (std::int64_t k = 1; k <= 2; ++k) {
        auto picture = fw::New<fw::Picture>(size * k, size * k);
        CGRect rect{0, 0, static_cast<double>(size * k), static_cast<double>(size * k)};
        CGContextRef context = picture->Graphics()->Handle(fw::Graphics::kHandleDrawingContext);
        CGImageRef cgImage =
            SendId(image, NSSelectorFromString("CGImageForProposedRect:context:hints:"),
                   {&rect, nil, nil});
        CGContextDrawImage(context, rect, cgImage);
        pictures.push_back(picture);
    }
    return fw::New<fw::Picture>(size, size, pictures);
}

}  // namespace Icon
