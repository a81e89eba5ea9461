#pragma once
// Internal: every class of the runtime is defined by one of these functions, run once
// before the first class lookup. A definition function must only define classes and
// methods, never make objects.

namespace cocoa::detail {

void DefineClasses();

void DefineFoundationClasses();
void DefineAppKitClasses();

}  // namespace cocoa::detail
