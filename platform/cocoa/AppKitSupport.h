#pragma once
// Internal: what the AppKit classes share. The objects stand for framework objects of
// the current run; each is found again through its registry on every call.

#include <vector>

#include "cocoa/Runtime.h"
#include "framework/Backend.h"
#include "framework/RectControl.h"
#include "framework/Window.h"

namespace cocoa::detail {

// The running backend, or nullptr before the framework has initialised one.
fw::Backend* ActiveBackend();

id SharedApplication();
// The About panel, the responder of the backend's About box while that is the key
// window: Close closes it.
id AboutPanel();
// The window object of a framework window; nil for Nil or a closed window.
id WindowObjectFor(const fw::Ref<fw::Window>& window);
// The responder of a control; nil for Nil.
id ViewObjectFor(const fw::Ref<fw::RectControl>& control);
// The screen object at that index of the backend's screens, the same object on every
// call; nil outside the screens.
id ScreenObjectAt(int index);

// The responders that an action without a target tries, in order: the focused control
// of the key window, the key window (or the About panel when that is key), the
// application, the application's delegate.
std::vector<id> ResponderChain();
// The object that would receive action: target when it responds, else (with no
// target) the first responder of the chain that responds; nil when none.
id TargetForAction(SEL action, id target);

void DefineResponderClasses();
void DefineApplicationClass();
void DefineWindowClasses();
void DefineViewClasses();
void DefineScreenClass();
void DefineMenuClasses();
void DefineWorkspaceClasses();

}  // namespace cocoa::detail
