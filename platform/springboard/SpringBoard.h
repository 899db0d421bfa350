#pragma once
// The shell's application class. The simulator makes the one SpringBoard
// object (alloc, init: it becomes the shared application) and sends it
// applicationDidFinishLaunching: through the runtime, so a replacement runs.
//
// Encodings, which replacements must match exactly:
//   applicationDidFinishLaunching:               "v@:@"
//   _handleMenuButtonEvent                       "v@:"
//   noteInterfaceOrientationChanged:duration:    "v@:qd"
//   launchApplicationWithIdentifier:suspended:   "B@:@B"
//   _accessibilityFrontMostApplication           "@@:"
//   displayIdentifier                            "@@:" ("com.apple.springboard")
//   openURL:                                     "B@:@" (SettingsAddress.h: only the
//                                                Settings application's addresses open)

#include "uikit/UIApplication.h"

struct SpringBoard : UIApplication {
    bool finishedLaunching = false;
    // Home-button presses that went home.
    long homePressCount = 0;
    long interfaceOrientation = UIInterfaceOrientationPortrait;
    // The application in front, or nil on the home screen.
    Strong<objc_object> frontMostApplication;
};

namespace springboard {
Class SpringBoardClass();
void registerSpringBoard();
// Brings an installed application to the front: its scene in the foreground,
// its process launched when needed and activated. False for an unknown one.
// The application that was in front is told willDeactivateForEventsOnly:
// NO, this one willActivate (ApplicationLifecycle.h). Over the app switcher,
// the switcher goes to it.
bool openApplication(const std::string& bundleIdentifier, std::string* error);
// The home screen comes to the front: the application that was there goes
// to the background and is told willDeactivateForEventsOnly: NO.
void showHomeScreen();
}
