#pragma once
// The app switcher's view controller (AppSwitcher.h presents it). Its own
// viewDidAppear: notes that it is on screen; its own
// animateDismissalToDisplayItem:forTransitionRequest:withCompletion: takes the
// switcher off the screen and then runs the completion (a block without
// arguments), at once when this controller is not the one showing.
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
