#include "SBUserNotificationAlert.h"

namespace {

Class g_SBUserNotificationAlert;

SBUserNotificationAlert* self_(id self) { return static_cast<SBUserNotificationAlert*>(self); }

void alertViewClickedButtonAtIndex(id self, SEL, id, long index)
{
    ++self_(self)->clickCount;
    self_(self)->lastClickedButtonIndex = index;
}

}

namespace springboard {

Class SBUserNotificationAlertClass() { return g_SBUserNotificationAlert; }

void registerSBUserNotificationAlert()
{
    g_SBUserNotificationAlert = runtime::defineClass("SBUserNotificationAlert", foundation::NSObjectClass(), runtime::makeInstance<SBUserNotificationAlert>);
    addMethod(g_SBUserNotificationAlert, "alertView:clickedButtonAtIndex:"_sel, alertViewClickedButtonAtIndex);
}

}
