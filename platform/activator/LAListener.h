#pragma once
// The listener protocol, LAListener: what Activator sends to the object
// registered under a listener name. A listener answers the messages it
// implements; Activator asks with respondsToSelector: first and makes do
// without the others.
//
//   activator:receiveEvent:                                 "v@:@@"  an event assigned to it fired
//   activator:requiresLocalizedGroupForListenerName:        "@@:@@"  a string
//   activator:requiresLocalizedTitleForListenerName:        "@@:@@"  a string
//   activator:requiresLocalizedDescriptionForListenerName:  "@@:@@"  a string
//   activator:requiresCompatibleEventModesForListenerWithName: "@@:@@"  an array of mode names
//   activator:requiresIconDataForListenerName:scale:        "@@:@@^d" PNG data, or nil
//   activator:requiresSmallIconDataForListenerName:scale:   "@@:@@^d" PNG data, or nil
//
// The scale is passed by pointer (CGFloat*), as on the phone.

#include "runtime/Runtime.h"

namespace activator {

inline constexpr const char* kEventModeSpringBoard = "springboard";
inline constexpr const char* kEventModeApplication = "application";
inline constexpr const char* kEventModeLockScreen = "lockscreen";

}
