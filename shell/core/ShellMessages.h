#pragma once
// Two requests the panel's code makes of the platform in many places: the
// main screen's bounds, read afresh each time, and a distributed
// notification whose user info is one entry.

#include "foundation/NSString.h"
#include "coregraphics/CGGeometry.h"
#include "runtime/Runtime.h"

CGRect mainScreenBounds();

// Posts `name` on the distributed center, no object, user info
// { key: value }, delivered immediately.
void postDistributedNotification(NSString* name, const char* key, id value);
