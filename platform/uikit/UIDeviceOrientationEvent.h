#pragma once
// The event the device sends when it is turned: the orientation it is held in
// now. Device orientations 1 to 4 carry the numbers of the interface
// orientations they show (a device turned to landscape left shows the
// interface landscape right, 3, as on the phone).
//
// Encodings: orientation "q@:"; type "q@:" (motion) and timestamp "d@:" from
// UIEvent; description "@@:" names the orientation.

#include "UIEvent.h"

struct UIDeviceOrientationEvent : UIEvent {
    long orientation = 0;
};

namespace uikit {

Class UIDeviceOrientationEventClass();
void registerUIDeviceOrientationEvent();

// The platform's side of turning the device: sends
// _handleDeviceOrientationChangedEvent: with a new event stamped with the run
// loop's clock to the shared application. False when there is none.
bool sendDeviceOrientationEvent(long orientation);

}
