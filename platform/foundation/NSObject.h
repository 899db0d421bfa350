#pragma once
// The root class and the pieces of Foundation every object relies on.

#include "runtime/Runtime.h"

#include <string>

struct NSString;

struct NSObject : objc_object { };

// The class of that name, or nil (also for a name the process's version lacks).
Class NSClassFromString(NSString* name);

namespace foundation {

Class NSObjectClass();

// Registers every Foundation class; safe to call more than once.
void registerClasses();

// Convenience for platform code: [object description] as UTF-8, "(null)" for nil.
std::string describe(id object);

// -isKindOfClass: without a message, for the platform's own type checks.
bool isKindOf(id object, Class cls);

}
