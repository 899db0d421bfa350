#pragma once
// Touches: one finger on the screen, from the moment it lands until it lifts.
// The touch input (TouchInput.h) makes them. What a touch landed on is fixed
// when it lands: its window, the view its hit test gave, and the recognizers
// that watch it. Locations are kept in screen points.
//
// Encodings: locationInView: and previousLocationInView: "{CGPoint=dd}@:@"
// (nil: the touch's window coordinates), phase "q@:", timestamp "d@:" (the run
// loop's clock, in seconds), view "@@:", window "@@:", gestureRecognizers "@@:".

#include "UIGestureRecognizer.h"
#include "UIWindow.h"

#include <vector>

enum UITouchPhase : long {
    UITouchPhaseBegan = 0,
    UITouchPhaseMoved = 1,
    UITouchPhaseStationary = 2,
    UITouchPhaseEnded = 3,
    UITouchPhaseCancelled = 4,
};

struct UITouch : NSObject {
    long phase = UITouchPhaseBegan;
    // The finger the touch input was told of (the mouse is 0).
    long finger = 0;
    double timestamp = 0;
    CGPoint screenLocation;
    CGPoint previousScreenLocation;
    Strong<UIWindow> window;
    Strong<UIView> view;
    std::vector<Strong<UIGestureRecognizer>> gestureRecognizers;

    // The location in `view`'s coordinates, nil meaning the touch's window.
    CGPoint location(const UIView* inView) const;
    CGPoint previousLocation(const UIView* inView) const;
};

namespace uikit {
Class UITouchClass();
void registerUITouch();
}
