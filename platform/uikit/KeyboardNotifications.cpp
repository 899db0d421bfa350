#include "KeyboardNotifications.h"

#include "foundation/NSDictionary.h"
#include "foundation/NSValue.h"
#include "notifications/NSNotificationCenter.h"

namespace uikit {

void postKeyboardNotification(NSString* name, CGRect begin, CGRect end)
{
    NSDictionary* userInfo = NSDictionary::dictionary();
    userInfo->setObject(NSValue::valueWithCGRect(begin), UIKeyboardFrameBeginUserInfoKey);
    userInfo->setObject(NSValue::valueWithCGRect(end), UIKeyboardFrameEndUserInfoKey);
    id center = send<id>(notifications::NSNotificationCenterClass(), "defaultCenter"_sel);
    send(center, "postNotificationName:object:userInfo:"_sel, static_cast<id>(name), static_cast<id>(nullptr), static_cast<id>(userInfo));
}

}
