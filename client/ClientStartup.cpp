#include "ClientStartup.h"
#include "NotificationCallbacks.h"
#include "Replacements.h"

#include "foundation/NSStringWithFormat.h"
#include "foundation/SystemLog.h"
#include "notifications/CFNotificationCenter.h"
#include "substrate/Substrate.h"

namespace {

// The same line the shell library writes for a missing class, with the
// client's own name and line number; log readers match on them.
void logMissingClass(const char* className)
{
    CFLog(kCFLogLevelError, "\033[1;31m[%s] \033[m\033[0;31m%s:%d\033[m \033[0;30;41m%s:\033[m %@",
        "DrawletClient", "Tweak", 101, "ERROR", NSStringWithFormat("logos: nil class %s", className));
}

template <class R, class... Args>
void replace(Class cls, const char* className, SEL selector, R (*replacement)(id, SEL, Args...), R (**slot)(id, SEL, Args...))
{
    if (!cls) {
        logMissingClass(className);
        return;
    }
    MSHookMessageEx(cls, selector, replacement, slot);
}

}

namespace client {

void registerObservers()
{
    CFNotificationCenterRef distributed = CFNotificationCenterGetDistributedCenter();
    CFNotificationCenterAddObserver(distributed, nullptr, changeHostedAppStatusBar, NSSTR(kChangeHostedAppStatusBarNotification), nullptr,
        CFNotificationSuspensionBehaviorDeliverImmediately);
    CFNotificationCenterAddObserver(distributed, nullptr, changeHostedAppOrientation, NSSTR(kChangeHostedAppOrientationNotification), nullptr,
        CFNotificationSuspensionBehaviorDeliverImmediately);
}

void installHooks()
{
    Class application = objc_getClass("UIApplication");
    Class viewController = objc_getClass("UIViewController");

    replace(application, "UIApplication", "init"_sel,
        replacement_UIApplication_init, &previous_UIApplication_init);
    replace(application, "UIApplication", "_handleApplicationActivationWithScene:transitionContext:completion:"_sel,
        replacement_UIApplication_handleApplicationActivation, &previous_UIApplication_handleApplicationActivation);
    replace(application, "UIApplication", "application:willChangeStatusBarOrientation:duration:"_sel,
        replacement_UIApplication_willChangeStatusBarOrientation, &previous_UIApplication_willChangeStatusBarOrientation);
    replace(viewController, "UIViewController", "prefersStatusBarHidden"_sel,
        replacement_UIViewController_prefersStatusBarHidden, &previous_UIViewController_prefersStatusBarHidden);
}

}

// Observers first, then the replacements, when the library is loaded.
__attribute__((constructor(101))) static void drawletClientObserverInitializer()
{
    client::registerObservers();
}

__attribute__((constructor(102))) static void drawletClientHookInitializer()
{
    client::installHooks();
}
