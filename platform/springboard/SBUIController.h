#pragma once
// The shell's user-interface controller (home screen, switcher).
//
// Encodings: sharedInstance "@@:" (class), isAppSwitcherShowing "B@:".

#include "foundation/NSObject.h"

struct SBUIController : NSObject {
    bool appSwitcherShowing = false;
};

namespace springboard {
Class SBUIControllerClass();
void registerSBUIController();
}
