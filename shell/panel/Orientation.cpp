// Orientation changes: the open panel is re-hosted and re-scaled, and every
// application is told the shell's new orientation; device-orientation events
// are only logged.
#include "core/NotificationNames.h"
#include "core/PanelState.h"
#include "core/PreviousImplementations.h"
#include "core/Replacements.h"
#include "core/ShellMessages.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "foundation/SystemLog.h"
#include "hosting/RKVContextHostProvider.h"
#include "notifications/CFNotificationCenter.h"
#include "quartz/CGGeometry.h"

namespace {

void rehostOpenPanel()
{
    send(send<id>(RKVContextHostProviderClass(), "sharedInstance"_sel), "forceRehostingOnBundleID:"_sel,
        static_cast<id>(currentHostedApplicationBundleIdentifier.get()));
    double const scale = scaleFactor;
    send(applicationView.get(), "setTransform:"_sel, CGAffineTransformScale(CGAffineTransformIdentity, scale, scale));
    CGRect frame = send<CGRect>(applicationView.get(), "frame"_sel);
    frame.origin = CGPointMake(0, 0);
    send(applicationView.get(), "setFrame:"_sel, frame);
}

void postOrientation(long orientation)
{
    postDistributedNotification(NSSTR(kChangeHostedAppOrientationNotification), kOrientationKey,
        static_cast<id>(NSNumber::numberWithInteger(static_cast<int32_t>(orientation))));
}

}

void replacement_UIApplication_handleDeviceOrientationChangedEvent(id self, SEL, id event)
{
    NSLog("[Drawlet] %@ _handleDeviceOrientationChangedEvent:%@", send<id>(self, "displayIdentifier"_sel), event);
}

void replacement_SpringBoard_noteInterfaceOrientationChanged(id self, SEL selector, long orientation, double duration)
{
    callPrevious(previous_SpringBoard_noteInterfaceOrientationChanged, self, selector, orientation, duration);
    NSLog("[Drawlet] noteInterfaceOrientationChanged: %i", static_cast<int>(orientation));
    if (isActive && !isHidden)
        rehostOpenPanel();
    postOrientation(orientation);
}
