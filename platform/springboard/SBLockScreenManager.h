#pragma once
// The manager of the lock state (DeviceLock.h locks and unlocks).
//
// Encodings, which replacements must match exactly:
//   _finishUIUnlockFromSource:withOptions:  "v@:i@"
//   sharedInstance "@@:" (class), isUILocked "B@:", lockScreenViewController "@@:"

#include "foundation/NSObject.h"

struct SBLockScreenManager : NSObject {
    long finishedUnlockCount = 0;
    int lastUnlockSource = 0;
};

namespace springboard {
Class SBLockScreenManagerClass();
void registerSBLockScreenManager();
}
