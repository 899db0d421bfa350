#pragma once
// Core Foundation notification centers: the Darwin notify center (name only,
// system-wide), the distributed center (name and a property-list user info,
// between processes) and the local center (this process only). Callbacks run
// on the main run loop. Between processes the centers travel over the bus
// (see Bus.h); without a bus they deliver within the process.
//
// As on the phone: the Darwin center carries neither object nor user info and
// ignores a post's deliver-immediately flag; no sender object crosses between
// processes, so Darwin and distributed observers receive nil and are not
// filtered by object; a distributed observer receives a copy of the user info,
// an empty dictionary when the post had none. A nil name observes every name.

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
// them all in order, DeliverImmediately delivers anyway; so does a distributed
// post made with deliverImmediately. Resuming delivers what was kept, on the
// run loop. The local center's posts come from the process itself and are
// never held.
void setSuspended(bool suspended);
bool isSuspended();

// Forgets every observer and held notification; for tests.
void resetCenters();

}
