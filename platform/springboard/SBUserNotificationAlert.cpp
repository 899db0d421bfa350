#include "SBUserNotificationAlert.h"

#include "uikit/UIKit.h"

namespace {

Class g_SBUserNotificationAlert;

SBUserNotificationAlert* asSBUserNotificationAlert(id self) { return static_cast<SBUserNotificationAlert*>(self); }

void alertViewClickedButtonAtIndex(id self, SEL, id, long index)
{
    ++asSBUserNotificationAlert(self)->clickCount;
    asSBUserNotificationAlert(self)->lastClickedButtonIndex = index;
}

id alertHeader(id self, SEL) { return asSBUserNotificationAlert(self)->alertHeader; }
void setAlertHeader(id self, SEL, id text) { asSBUserNotificationAlert(self)->alertHeader = uikit::acceptString(text, "-[SBUserNotificationAlert setAlertHeader:]"); }
id alertMessage(id self, SEL) { return asSBUserNotificationAlert(self)->alertMessage; }
void setAlertMessage(id self, SEL, id text) { asSBUserNotificationAlert(self)->alertMessage = uikit::acceptString(text, "-[SBUserNotificationAlert setAlertMessage:]"); }
id defaultButtonTitle(id self, SEL) { return asSBUserNotificationAlert(self)->defaultButtonTitle; }
void setDefaultButtonTitle(id self, SEL, id text)
{
    asSBUserNotificationAlert(self)->defaultButtonTitle = uikit::acceptString(text, "-[SBUserNotificationAlert setDefaultButtonTitle:]");
}
id alternateButtonTitle(id self, SEL) { return asSBUserNotificationAlert(self)->alternateButtonTitle; }
void setAlternateButtonTitle(id self, SEL, id text)
{
    asSBUserNotificationAlert(self)->alternateButtonTitle = uikit::acceptString(text, "-[SBUserNotificationAlert setAlternateButtonTitle:]");
}

// Named by its header, with no address, so log lines that print it repeat.
id alertDescription(id self, SEL)
{
    return NSString::make("<SBUserNotificationAlert: \"" + foundation::describe(asSBUserNotificationAlert(self)->alertHeader) + "\">");
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
    addMethod(g_SBUserNotificationAlert, "description"_sel, alertDescription);
}

}
