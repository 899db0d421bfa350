#pragma once
// Locking and unlocking the phone as its shell does. Locking posts
// "com.apple.springboard.lockstate" then "com.apple.springboard.lockcomplete"
// on the Darwin center and shows the lock screen (the time, the date and a
// hint), which takes every touch that no alert takes. Unlocking runs the
// shell's unlock path through the runtime, so replacements take part:
// SBLockScreenViewController prepareForUIUnlock, finishUIUnlockFromSource:,
// then SBLockScreenManager _finishUIUnlockFromSource:withOptions:; then
// "lockstate" is posted again and the lock screen goes away.

#include "runtime/Runtime.h"

namespace springboard {

// Where an unlock came from, as finishUIUnlockFromSource: is told.
enum UnlockSource : int {
    UnlockSourceRequest = 0, // the `unlock` verb or the U key
    UnlockSourceLockScreenSwipe = 1,
};

bool isDeviceLocked();
// False, and nothing happens, when the phone is already locked.
bool lockDevice();
// False, and nothing happens, when the phone is not locked.
bool unlockDevice(int source = UnlockSourceRequest);
// The lock screen's view controller, made with the lock screen.
id lockScreenViewController();
// The lock screen follows the screen when the interface turns.
void layOutLockScreen();

void resetDeviceLock();

}
