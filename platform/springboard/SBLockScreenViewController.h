#pragma once
// The lock screen's view controller.
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
