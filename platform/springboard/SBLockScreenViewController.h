#pragma once
// The lock screen's view controller: its view is the lock screen, and a swipe
// to the right on it unlocks the phone (DeviceLock.h).
//
// Encodings, which replacements must match exactly:
//   prepareForUIUnlock          "v@:"
//   finishUIUnlockFromSource:   "v@:i"

#include "uikit/UIViewController.h"

struct SBLockScreenViewController : UIViewController {
    long preparedUnlockCount = 0;
    long finishedUnlockCount = 0;
    int lastUnlockSource = 0;
};

namespace springboard {
Class SBLockScreenViewControllerClass();
void registerSBLockScreenViewController();
}
