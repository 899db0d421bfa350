#pragma once
// The app switcher's view controller.
//
// Encodings, which replacements must match exactly:
//   viewDidAppear:                                                      "v@:B"
//   animateDismissalToDisplayItem:forTransitionRequest:withCompletion:  "v@:@@@"

#include "uikit/UIViewController.h"

struct SBDeckSwitcherViewController : UIViewController {
    bool switcherVisible = false;
    long dismissalCount = 0;
};

namespace springboard {
Class SBDeckSwitcherViewControllerClass();
void registerSBDeckSwitcherViewController();
}
