#include "SBUserNotificationAlert.h"

#include "uikit/UIKit.h"

namespace {

Class g_SBUserNotificationAlert;

SBUserNotificationAlert* self_(id self) { return static_cast<SBUserNotificationAlert*>(self); }

void alertViewClickedButtonAtIndex(id self, SEL, id, long index)
{
    ++self_(self)->clickCount;
    self_(self)->lastClickedButtonIndex = index;
}

NSString* acceptText(id text, const char* where)
{
    return static_cast<NSString*>(uikit::acceptOnly(text, foundation::NSStringClass(), where));
}

id alertHeader(id self, SEL) { return self_(self)->alertHeader; }
void setAlertHeader(id self, SEL, id text) { self_(self)->alertHeader = acceptText(text, "-[SBUserNotificationAlert setAlertHeader:]"); }
id alertMessage(id self, SEL) { return self_(self)->alertMessage; }
void setAlertMessage(id self, SEL, id text) { self_(self)->alertMessage = acceptText(text, "-[SBUserNotificationAlert setAlertMessage:]"); }
id defaultButtonTitle(id self, SEL) { return self_(self)->defaultButtonTitle; }
void setDefaultButtonTitle(id self, SEL, id text)
{
    self_(self)->defaultButtonTitle = acceptText(text, "-[SBUserNotificationAlert setDefaultButtonTitle:]");
}
id alternateButtonTitle(id self, SEL) { return self_(self)->alternateButtonTitle; }
void setAlternateButtonTitle(id self, SEL, id text)
{
    self_(self)->alternateButtonTitle = acceptText(text, "-[SBUserNotificationAlert setAlternateButtonTitle:]");
}

// Named by its header, with no address, so log lines that print it repeat.
id description(id self, SEL)
{
    return NSString::make("<SBUserNotificationAlert: \"" + foundation::describe(self_(self)->alertHeader) + "\">");
}

}

namespace springboard {

Class SBUserNotificationAlertClass() { return g_SBUserNotificationAlert; }

void registerSBUserNotificationAlert()
{
    g_SBUserNotificationAlert = runtime::defineClass("SBUserNotificationAlert", foundation::NSObjectClass(), runtime::makeInstance<SBUserNotificationAlert>);
    addMethod(g_SBUserNotificationAlert, "alertView:clickedButtonAtIndex:"_sel, alertViewClickedButtonAtIndex);
    addMethod(g_SBUserNotificationAlert, "alertHeader"_sel, alertHeader);
    addMethod(g_SBUserNotificationAlert, "setAlertHeader:"_sel, setAlertHeader);
    addMethod(g_SBUserNotificationAlert, "alertMessage"_sel, alertMessage);
    addMethod(g_SBUserNotificationAlert, "setAlertMessage:"_sel, setAlertMessage);
    addMethod(g_SBUserNotificationAlert, "defaultButtonTitle"_sel, defaultButtonTitle);
    addMethod(g_SBUserNotificationAlert, "setDefaultButtonTitle:"_sel, setDefaultButtonTitle);
    addMethod(g_SBUserNotificationAlert, "alternateButtonTitle"_sel, alternateButtonTitle);
    addMethod(g_SBUserNotificationAlert, "setAlternateButtonTitle:"_sel, setAlternateButtonTitle);
    addMethod(g_SBUserNotificationAlert, "description"_sel, description);
}

}
