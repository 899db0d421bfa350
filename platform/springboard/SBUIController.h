#pragma once
// The shell's user-interface controller (home screen, switcher).
//
// Encodings: sharedInstance "@@:" (class).

#include "foundation/NSObject.h"

struct SBUIController : NSObject { };

namespace springboard {
Class SBUIControllerClass();
void registerSBUIController();
}
