#pragma once
// The Cocoa services: the message runtime, string objects and the classes that the
// program reaches by name.

#include "cocoa/AutoreleasePool.h"
#include "cocoa/CoreGraphics.h"
#include "cocoa/NSApplication.h"
#include "cocoa/NSArray.h"
#include "cocoa/NSMenu.h"
#include "cocoa/NSString.h"
#include "cocoa/NSWindow.h"
#include "cocoa/Runtime.h"
#include "cocoa/Value.h"
