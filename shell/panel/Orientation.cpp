// Orientation changes: the overlay is laid out for the turned screen, the
// open panel is re-hosted and re-scaled, and every application is told the
// shell's new orientation; device-orientation events are only logged.
#include "PanelAnimation.h"

#include "core/NotificationNames.h"
#include "core/PanelState.h"
#include "core/PreviousImplementations.h"
#include "core/Replacements.h"
#include "core/ShellMessages.h"
#include "coregraphics/CGGeometry.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "foundation/SystemLog.h"
#include "hosting/RKVContextHostProvider.h"
#include "notifications/CFNotificationCenter.h"

#include <algorithm>

namespace {

// Where the panel sits in the overlay window, as it is built at launch.
constexpr double kPanelLeft = 53;
constexpr double kPanelTop = 50;
constexpr double kPanelHeightInset = 100;

void setFrame(id view, CGRect frame)
{
    send(view, "setFrame:"_sel, frame);
}

// The overlay as launch lays it out, for the screen as it is now: left as it
// was, a closed panel would show across the turned screen with the pinned
// application live in it, and the grabber could lie off the screen. The
// grabber keeps its distance from the bottom edge, clamped onto the screen.
void layOutOverlayForScreen()
{
    CGSize const screen = mainScreenBounds().size;
    CGRect const before = send<CGRect>(window.get(), "frame"_sel);
    CGRect grabberFrame = send<CGRect>(grabber.get(), "frame"_sel);
    double const fromBottom = before.size.height - grabberFrame.origin.y;
    double const restingX = isHidden ? offScreenWindowX() : isActive ? kOpenWindowX
                                                                     : closedWindowX();

    setFrame(bounds.get(), CGRectMake(0, 0, screen.width, screen.height));
    setFrame(window.get(), CGRectMake(restingX, 0, screen.width, screen.height));
    setFrame(applicationContainerView.get(), CGRectMake(kPanelLeft, kPanelTop, screen.width, screen.height - kPanelHeightInset));
    double const lowest = std::max(screen.height - grabberFrame.size.height, 0.0);
    grabberFrame.origin.y = std::clamp(screen.height - fromBottom, 0.0, lowest);
    setFrame(grabber.get(), grabberFrame);
}

void rehostOpenPanel()
{
    send(sharedHostProvider(), "forceRehostingOnBundleID:"_sel,
        static_cast<id>(currentHostedApplicationBundleIdentifier.get()));
    scaleApplicationView();
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
    if (window)
        layOutOverlayForScreen();
    NSLog("[Drawlet] noteInterfaceOrientationChanged: %i", static_cast<int>(orientation));
    if (isActive && !isHidden)
        rehostOpenPanel();
    postOrientation(orientation);
}
