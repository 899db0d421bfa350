#include "PanelAnimation.h"

#include "core/ClassCache.h"
#include "core/NotificationNames.h"
#include "core/PanelState.h"
#include "core/ShellMessages.h"
#include "coregraphics/CGGeometry.h"
#include "foundation/NSBlock.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "notifications/CFNotificationCenter.h"

void slidePanel(std::function<double()> windowX, double dimmingAlpha, std::function<void()> completion)
{
    id animations = makeBlock([windowX = std::move(windowX), dimmingAlpha] {
        CGRect frame = send<CGRect>(window.get(), "frame"_sel);
        frame.origin.x = windowX();
        send(window.get(), "setFrame:"_sel, frame);
        send(bounds.get(), "setAlpha:"_sel, dimmingAlpha);
    });
    id done = makeCompletionBlock([completion = std::move(completion)](bool) { completion(); });
    send(objc_getClass("UIView"), "animateWithDuration:animations:completion:"_sel, kPanelSlideSeconds, animations, done);
}

double closedWindowX()
{
    return mainScreenBounds().size.width - 50;
}

double offScreenWindowX()
{
    return mainScreenBounds().size.width;
}

void setArrowImage(const char* resourceName)
{
    id path = send<id>(bundle.get(), "pathForResource:ofType:"_sel, static_cast<id>(NSString::make(resourceName)), static_cast<id>(NSSTR("png")));
    send(grabberPointerImageView.get(), "setImage:"_sel, send<id>(objc_getClass("UIImage"), "imageWithContentsOfFile:"_sel, path));
}

void postStatusBarHidden(bool hidden)
{
    postDistributedNotification(NSSTR(kChangeHostedAppStatusBarNotification), kStatusBarHiddenKey, static_cast<id>(NSNumber::numberWithBool(hidden)));
}

void pressHomeWhenOnHomeScreen(id shell)
{
    if (frontMostApplication())
        return;
    if (send<bool>(send<id>(SBUIControllerClass.get(), "sharedInstance"_sel), "isAppSwitcherShowing"_sel))
        return;
    send(shell, "_handleMenuButtonEvent"_sel);
}
