#pragma once
// The two distributed notifications the shell sends to every application, and
// what the client does with them.

#include "notifications/CFNotificationCenter.h"

namespace client {

inline constexpr const char* kChangeHostedAppStatusBarNotification = "com.quillbrook.drawlet.changeHostedAppStatusBar";
inline constexpr const char* kChangeHostedAppOrientationNotification = "com.quillbrook.drawlet.changeHostedAppOrientation";

// Keeps "statusBarHidden"; it takes effect the next time UIKit asks.
void changeHostedAppStatusBar(CFNotificationCenterRef center, void* observer, CFStringRef name, const void* object, CFDictionaryRef userInfo);
// Keeps "orientation" and logs it; nothing else.
void changeHostedAppOrientation(CFNotificationCenterRef center, void* observer, CFStringRef name, const void* object, CFDictionaryRef userInfo);

}
