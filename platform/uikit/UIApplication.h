#pragma once
// The process's application object. The first one made with init becomes the
// shared application; the shell's is a SpringBoard.
//
// Encodings: sharedApplication "@@:" (class), _handleDeviceOrientationChangedEvent:
// "v@:@", _accessibilityFrontMostApplication "@@:", keyWindow "@@:", windows "@@:".

#include "UIResponder.h"

struct UIApplication : UIResponder {
    // What the default handler of device-orientation events has seen.
    long deviceOrientationEventCount = 0;
    Strong<objc_object> lastDeviceOrientationEvent;
};

namespace uikit {

Class UIApplicationClass();
void registerUIApplication();

// The shared application, or nil before one is made.
UIApplication* sharedApplication();
void resetApplication();

}
