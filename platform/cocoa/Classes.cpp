#include "cocoa/ClassRegistry.h"

namespace cocoa::detail {

void DefineClasses() {
    DefineFoundationClasses();
    DefineAppKitClasses();
}

}  // namespace cocoa::detail
