#pragma once
// Events: what the touch input passes to hitTest:withEvent:, and the device's
// motion (UIDeviceOrientationEvent.h); the event says when it happened.
//
// Encodings: type "q@:" (0, touches; 1, motion), timestamp "d@:" (the run loop's clock,
// in seconds).

#include "foundation/NSObject.h"

enum UIEventType : long {
    UIEventTypeTouches = 0,
    UIEventTypeMotion = 1,
};

struct UIEvent : NSObject {
    long type = UIEventTypeTouches;
    double timestamp = 0;
};

namespace uikit {
Class UIEventClass();
void registerUIEvent();
}
