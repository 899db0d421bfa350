#pragma once
// The shell's controllers that exist once per process (`sharedInstance`). Each
// is made on first use with alloc and init, and kept until the area is reset.

#include "runtime/Runtime.h"

namespace springboard {

// The class method `sharedInstance` ("@@:"), for classes that have one; a
// subclass that is sent it gets an instance of its own class.
id sharedInstanceMethod(id self, SEL);
id sharedInstanceOf(Class cls);

void resetSharedInstances();

}
