#pragma once
// The shell's user-interface controller (home screen, switcher).
//
// Encodings: sharedInstance "@@:" (class), isAppSwitcherShowing "B@:",
// _handleSwitcherCardTap: "v@:@" (the action of the switcher's cards, which
// target the shared controller: the switcher's own controller holds its
// views, so it cannot be their target).

#include "foundation/NSObject.h"

struct SBUIController : NSObject {
    bool appSwitcherShowing = false;
};

namespace springboard {
Class SBUIControllerClass();
void registerSBUIController();
}
