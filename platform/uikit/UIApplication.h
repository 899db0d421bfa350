#pragma once
// The process's application object. The first one made with init becomes the
// shared application; the shell's is a SpringBoard.
//
// Encodings: sharedApplication "@@:" (class), _handleDeviceOrientationChangedEvent:
// "v@:@", _accessibilityFrontMostApplication "@@:", keyWindow "@@:", windows "@@:",
// _handleApplicationActivationWithScene:transitionContext:completion: "v@:@@@",
// application:willChangeStatusBarOrientation:duration: "v@:@qd".

#include "UIResponder.h"

// UIKit's numbering of interface orientations; methods take them as long ("q").
enum UIInterfaceOrientation : long {
    UIInterfaceOrientationPortrait = 1,
    UIInterfaceOrientationPortraitUpsideDown = 2,
    UIInterfaceOrientationLandscapeRight = 3,
    UIInterfaceOrientationLandscapeLeft = 4,
};

struct UIApplication : UIResponder {
    // What the default handler of device-orientation events has seen.
    long deviceOrientationEventCount = 0;
    Strong<objc_object> lastDeviceOrientationEvent;

    // What the default activation handler has seen.
    long activationCount = 0;

    // What the default handler of status-bar orientation changes has seen; the
    // application argument is only compared, never sent to, so it is not held.
    long statusBarOrientationChangeCount = 0;
    id lastStatusBarOrientationApplication = nullptr;
    long lastStatusBarOrientation = 0;
    double lastStatusBarOrientationDuration = 0;
};

namespace uikit {

Class UIApplicationClass();
void registerUIApplication();

// The shared application, or nil before one is made.
UIApplication* sharedApplication();
void resetApplication();

// Makes the process's application object of class `cls` (UIApplication or a
// subclass) with alloc and init sent through the runtime, so that a replaced
// init sees it; returns the shared application. Does nothing when one exists.
UIApplication* launchApplication(Class cls);

// The platform's side of an activation: sends
// _handleApplicationActivationWithScene:transitionContext:completion: to the
// shared application, if any.
void activateApplication(id scene = nullptr, id transitionContext = nullptr, id completion = nullptr);

// The platform's side of a status-bar orientation change: sends
// application:willChangeStatusBarOrientation:duration: to the shared
// application, with itself as the application argument.
void changeStatusBarOrientation(long orientation, double duration);

}
