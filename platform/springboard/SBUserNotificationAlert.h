#pragma once
// An alert shown by the shell on behalf of a user notification.
//
// Encodings, which replacements must match exactly:
//   alertView:clickedButtonAtIndex:  "v@:@q"

#include "foundation/NSObject.h"

struct SBUserNotificationAlert : NSObject {
    long clickCount = 0;
    long lastClickedButtonIndex = -1;
};

namespace springboard {
Class SBUserNotificationAlertClass();
void registerSBUserNotificationAlert();
}
