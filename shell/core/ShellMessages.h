#pragma once
// Requests the panel's code makes of the platform in many places: the main
// screen's bounds, read afresh each time, the shell's application object and
// the application in front, and a distributed notification whose user info is
// one entry.

#include "coregraphics/CGGeometry.h"
#include "foundation/NSString.h"
#include "runtime/Runtime.h"

CGRect mainScreenBounds();

// The shell's own application object, the `SpringBoard` instance.
id sharedApplication();
// The application in front, or nil while the home screen is.
id frontMostApplication();

// Posts `name` on the distributed center, no object, user info
// { key: value }, delivered immediately.
void postDistributedNotification(NSString* name, const char* key, id value);
