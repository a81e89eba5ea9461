#pragma once
// The shared application's delegate: the last responder of the action responder chain,
// after the application itself. Not retained; nil (the default) for none.

#include "cocoa/Runtime.h"

namespace cocoa {

void SetApplicationDelegate(id delegate);
id ApplicationDelegate();

}  // namespace cocoa
