#pragma once
// The process's own notification center (NSNotificationCenter defaultCenter):
// observers are objects with a selector taking the notification; delivery is
// synchronous, in the order observers were added. Observers are not retained,
// as in Foundation: an observer removes itself before it goes.
//
// Encodings: defaultCenter "@@:" (class); addObserver:selector:name:object:
// "v@:@:@@"; removeObserver: "v@:@"; postNotificationName:object:userInfo:
// "v@:@@@"; postNotification: "v@:@". NSNotification: name, object, userInfo
// "@@:".

#include "foundation/NSDictionary.h"
#include "foundation/NSString.h"

#include <vector>

struct NSNotification : NSObject {
    Strong<NSString> name;
    Strong<objc_object> object;
    Strong<NSDictionary> userInfo;
};

struct NSNotificationCenter : NSObject {
    struct Observation {
        id observer;
        SEL selector;
        // Nil for any name or any sender.
        Strong<NSString> name;
        id object;
    };
    std::vector<Observation> observations;
};

// UIKit's keyboard notifications travel on it. Constants made on first use,
// so nothing depends on the order of static initialisation.
#define UIKeyboardWillShowNotification NSSTR("UIKeyboardWillShowNotification")
#define UIKeyboardWillHideNotification NSSTR("UIKeyboardWillHideNotification")

namespace notifications {
Class NSNotificationCenterClass();
Class NSNotificationClass();
void registerNSNotificationCenter();
// Forgets the default center's observers; for tests.
void resetDefaultCenter();
}
