#pragma once
// An alert shown by the shell on behalf of a user notification: a header, a
// message and two buttons, handed to SBAlertItemsController to be shown. Its
// answer arrives as alertView:clickedButtonAtIndex:, the alternate button
// as index 0 and the default button as index 1.
//
// Encodings, which replacements must match exactly:
//   alertView:clickedButtonAtIndex:  "v@:@q"
//   setAlertHeader:, setAlertMessage:, setDefaultButtonTitle:,
//   setAlternateButtonTitle:  "v@:@"; the getters "@@:"

#include "foundation/NSObject.h"
#include "foundation/NSString.h"

struct SBUserNotificationAlert : NSObject {
    Strong<NSString> alertHeader;
    Strong<NSString> alertMessage;
    Strong<NSString> defaultButtonTitle;
    Strong<NSString> alternateButtonTitle;
    long clickCount = 0;
    long lastClickedButtonIndex = -1;
};

namespace springboard {
Class SBUserNotificationAlertClass();
void registerSBUserNotificationAlert();
}
