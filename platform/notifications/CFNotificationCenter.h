#pragma once
// Core Foundation notification centers: the Darwin notify center (name only,
// system-wide), the distributed center (name and a property-list user info,
// between processes) and the local center (this process only). Callbacks run
// on the main run loop. Between processes the centers travel over the bus
// (see Bus.h); without a bus they deliver within the process.

#include "foundation/NSDictionary.h"
#include "foundation/NSString.h"

struct __CFNotificationCenter;
using CFNotificationCenterRef = __CFNotificationCenter*;

using CFNotificationCallback = void (*)(CFNotificationCenterRef center, void* observer, CFStringRef name, const void* object, CFDictionaryRef userInfo);

enum CFNotificationSuspensionBehavior {
    CFNotificationSuspensionBehaviorDrop = 1,
    CFNotificationSuspensionBehaviorCoalesce = 2,
    CFNotificationSuspensionBehaviorHold = 3,
    CFNotificationSuspensionBehaviorDeliverImmediately = 4,
};

CFNotificationCenterRef CFNotificationCenterGetDarwinNotifyCenter();
CFNotificationCenterRef CFNotificationCenterGetDistributedCenter();
CFNotificationCenterRef CFNotificationCenterGetLocalCenter();

void CFNotificationCenterAddObserver(CFNotificationCenterRef center, const void* observer, CFNotificationCallback callback,
    CFStringRef name, const void* object, CFNotificationSuspensionBehavior suspensionBehavior);
void CFNotificationCenterRemoveObserver(CFNotificationCenterRef center, const void* observer, CFStringRef name, const void* object);
// Returns at once; never waits for a receiver.
void CFNotificationCenterPostNotification(CFNotificationCenterRef center, CFStringRef name, const void* object,
    CFDictionaryRef userInfo, bool deliverImmediately);

namespace notifications {

// While a process is suspended its observers follow their suspension behaviour:
// Drop loses the notification, Coalesce keeps the last one per name, Hold keeps
// them all in order, DeliverImmediately delivers anyway. Resuming delivers what
// was kept.
void setSuspended(bool suspended);
bool isSuspended();

// Forgets every observer and held notification; for tests.
void resetCenters();

}
