#include "NotificationCallbacks.h"
#include "ClientState.h"

#include "foundation/NSNumber.h"
#include "foundation/SystemLog.h"

namespace {

// Any process on the bus may post these names, so only a number or a string
// (converted as Foundation converts it) is read; any other value reads as a
// missing key would, nil.
id scalarValue(CFDictionaryRef userInfo, NSString* key)
{
    id value = send<id>(userInfo, "valueForKey:"_sel, key);
    if (foundation::isKindOf(value, foundation::NSNumberClass()) || foundation::isKindOf(value, foundation::NSStringClass()))
        return value;
    return nullptr;
}

}

namespace client {

void changeHostedAppStatusBar(CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef userInfo)
{
    statusBarHidden = send<bool>(scalarValue(userInfo, NSSTR("statusBarHidden")), "boolValue"_sel);
}

void changeHostedAppOrientation(CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef userInfo)
{
    orientation = send<int>(scalarValue(userInfo, NSSTR("orientation")), "intValue"_sel);
    NSLog("[Drawlet] should rotate to orientation: %i", orientation);
}

}
