#pragma once
// The shell's application class. The simulator makes the one SpringBoard
// object (alloc, init: it becomes the shared application) and sends it
// applicationDidFinishLaunching: through the runtime, so a replacement runs.
//
// Encodings, which replacements must match exactly:
//   applicationDidFinishLaunching:               "v@:@"
//   _handleMenuButtonEvent                       "v@:"
//   noteInterfaceOrientationChanged:duration:    "v@:qd"

#include "uikit/UIApplication.h"

struct SpringBoard : UIApplication {
    bool finishedLaunching = false;
    // Home-button presses that went home.
    long homePressCount = 0;
    long interfaceOrientation = UIInterfaceOrientationPortrait;
};

namespace springboard {
Class SpringBoardClass();
void registerSpringBoard();
}
