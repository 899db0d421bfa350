#include "ShellMessages.h"

#include "foundation/NSDictionary.h"
#include "notifications/CFNotificationCenter.h"

CGRect mainScreenBounds()
{
    return send<CGRect>(send<id>(objc_getClass("UIScreen"), "mainScreen"_sel), "bounds"_sel);
}

id sharedApplication()
{
    return send<id>(objc_getClass("UIApplication"), "sharedApplication"_sel);
}

id frontMostApplication()
{
    return send<id>(sharedApplication(), "_accessibilityFrontMostApplication"_sel);
}

void postDistributedNotification(NSString* name, const char* key, id value)
{
    id userInfo = send<id>(objc_getClass("NSDictionary"), "dictionaryWithObject:forKey:"_sel, value, static_cast<id>(NSString::make(key)));
    CFNotificationCenterPostNotification(CFNotificationCenterGetDistributedCenter(), name, nullptr, static_cast<NSDictionary*>(userInfo), true);
}
