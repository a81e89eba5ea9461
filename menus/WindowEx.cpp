#include "menus/WindowEx.h"

#include "cocoa/Cocoa.h"
#include "cocoa/NSWindow.h"
#include "framework/Rect.h"

namespace WindowEx {

namespace {

std::int64_t Truncate(double value) {
    return static_cast<std::int64_t>(value);
}

}  // namespace

fw::Ref<fw::Screen> GetWindowScreen(const fw::Ref<fw::Window>& w) {
    using namespace cocoa;
    id screens = SendId(NSClassFromString("NSScreen"), NSSelectorFromString("screens"));
    id shown = SendId(NSWindowForHandle(w->Handle()), NSSelectorFromString("screen"));
    const std::int64_t n = SendInt(screens, NSSelectorFromString("count"));
    for (std::int64_t i = 0; i < n; ++i) {
        if (SendId(screens, NSSelectorFromString("objectAtIndex:"), {i}) == shown) {
            return fw::ScreenAt(i);
        }
    }
    return fw::ScreenAt(0);
}

void AdjustWindow(const fw::Ref<fw::Window>& w) {
    fw::Ref<fw::Screen> scr = GetWindowScreen(w);
    if (!scr) {
        return;
    }
    if (w->Resizeable()) {
        if (w->Width() < w->MinWidth()) {
            w->Width(w->MinWidth());
        }
        if (w->Height() < w->MinHeight()) {
            w->Height(w->MinHeight());
        }
    }

    const std::int64_t AT = scr->AvailableTop;
    const std::int64_t AL = scr->AvailableLeft;
    const std::int64_t AR = scr->AvailableLeft + scr->AvailableWidth;
    const std::int64_t AB = scr->AvailableTop + scr->AvailableHeight;
    const std::int64_t AW = scr->AvailableWidth;
    const std::int64_t AH = scr->AvailableHeight;

    std::int64_t L = Truncate(w->Bounds().Left);
    std::int64_t T = Truncate(w->Bounds().Top);
    std::int64_t W = Truncate(w->Bounds().Width);
    std::int64_t H = Truncate(w->Bounds().Height);

    // Every test reads the frame afresh: each sees what the steps before it left.
    if (static_cast<double>(AT) > w->Bounds().Top) {
        T = AT;
        if (w->Bounds().Bottom() > static_cast<double>(AB)) {
            H = AH;
        }
        SetWindowBounds(w, L, T, W, H);
    }
    if (static_cast<double>(AL) > w->Bounds().Left) {
        L = AL;
        if (w->Bounds().Left + w->Bounds().Width > static_cast<double>(AR)) {
            W = AW;
        }
        SetWindowBounds(w, L, T, W, H);
    }
    if (w->Bounds().Right() > static_cast<double>(AR)) {
        L = Truncate(static_cast<double>(L) - (w->Bounds().Right() - static_cast<double>(AR)));
        if (L < AL) {
            L = AL;
            W = AW;
        }
        SetWindowBounds(w, L, T, W, H);
    }
    if (w->Bounds().Bottom() > static_cast<double>(AB)) {
        T = Truncate(static_cast<double>(T) - (w->Bounds().Bottom() - static_cast<double>(AB)));
        if (T < AT) {
            T = AT;
            H = AH;
        }
        SetWindowBounds(w, L, T, W, H);
    }
}

void SetWindowBounds(const fw::Ref<fw::Window>& w, std::int64_t left, std::int64_t top,
                     std::int64_t width, std::int64_t height) {
    fw::Rect r;
    r.Left = left;
    r.Top = top;
    r.Width = width;
    r.Height = height;
    w->Bounds(r.ToRectD());
}

void DisableAutoTabbing() {
    using namespace cocoa;
    id windowClass = NSClassFromString("NSWindow");
    if (SendBool(windowClass, NSSelectorFromString("respondsToSelector:"),
                 {NSSelectorFromString("setAllowsAutomaticWindowTabbing:")})) {
        objc_msgSend(windowClass, NSSelectorFromString("setAllowsAutomaticWindowTabbing:"), {NO});
    }
}

}  // namespace WindowEx
