#include "Startup.h"
#include "NotificationNames.h"
#include "PreviousImplementations.h"
#include "Replacements.h"
#include "Settings.h"

#include "foundation/NSStringWithFormat.h"
#include "foundation/SystemLog.h"
#include "substrate/Substrate.h"

#include <string>

namespace {

// The line number and file are those the failure lines have always carried;
// log readers match on them.
void logMissingClass(const char* className)
{
    CFLog(kCFLogLevelError, "\033[1;31m[%s] \033[m\033[0;31m%s:%d\033[m \033[0;30;41m%s:\033[m %@",
        "Drawlet", "Tweak", 1212, "ERROR", NSStringWithFormat("logos: nil class %s", className));
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

template <class Argument>
void add(Class cls, SEL selector, void (*implementation)(id, SEL, Argument))
{
    // "v@:" and the encoding of the one argument; a missing class or a method
    // the class already has makes this do nothing, silently.
    std::string const types = "v@:" + runtime::Encoding<runtime::CanonicalType<Argument>>::get();
    class_addMethod(cls, selector, reinterpret_cast<IMP>(implementation), types.c_str());
}

}

void registerObservers()
{
    CFNotificationCenterRef darwin = CFNotificationCenterGetDarwinNotifyCenter();
    CFNotificationCenterAddObserver(darwin, nullptr, displayStatusChanged, NSSTR(kLockCompleteNotification), nullptr,
        CFNotificationSuspensionBehaviorDeliverImmediately);
    CFNotificationCenterAddObserver(darwin, nullptr, displayStatusChanged, NSSTR(kLockStateNotification), nullptr,
        CFNotificationSuspensionBehaviorDeliverImmediately);
    CFNotificationCenterAddObserver(darwin, nullptr, loadPreferences, NSSTR(kSettingsChangedNotification), nullptr,
        CFNotificationSuspensionBehaviorHold);
}

void installHooks()
{
    Class deckSwitcher = objc_getClass("SBDeckSwitcherViewController");
    Class application = objc_getClass("SBApplication");
    Class view = objc_getClass("UIView");
    Class bannerController = objc_getClass("SBBulletinBannerController");
    Class lockScreenViewController = objc_getClass("SBLockScreenViewController");
    Class uiApplication = objc_getClass("UIApplication");
    Class lockScreenManager = objc_getClass("SBLockScreenManager");
    Class notificationAlert = objc_getClass("SBUserNotificationAlert");
    Class springBoard = objc_getClass("SpringBoard");

    replace(deckSwitcher, "SBDeckSwitcherViewController", "viewDidAppear:"_sel,
        replacement_SBDeckSwitcherViewController_viewDidAppear, &previous_SBDeckSwitcherViewController_viewDidAppear);
    replace(deckSwitcher, "SBDeckSwitcherViewController", "animateDismissalToDisplayItem:forTransitionRequest:withCompletion:"_sel,
        replacement_SBDeckSwitcherViewController_animateDismissal, &previous_SBDeckSwitcherViewController_animateDismissal);
    replace(application, "SBApplication", "willActivate"_sel,
        replacement_SBApplication_willActivate, &previous_SBApplication_willActivate);
    replace(application, "SBApplication", "willDeactivateForEventsOnly:"_sel,
        replacement_SBApplication_willDeactivateForEventsOnly, &previous_SBApplication_willDeactivateForEventsOnly);

    add(application, "setHidden:"_sel, added_SBApplication_setHidden);

    replace(view, "UIView", "hitTest:withEvent:"_sel,
        replacement_UIView_hitTest, &previous_UIView_hitTest);
    replace(bannerController, "SBBulletinBannerController", "observer:addBulletin:forFeed:playLightsAndSirens:withReply:"_sel,
        replacement_SBBulletinBannerController_addBulletin, &previous_SBBulletinBannerController_addBulletin);
    replace(lockScreenViewController, "SBLockScreenViewController", "prepareForUIUnlock"_sel,
        replacement_SBLockScreenViewController_prepareForUIUnlock, &previous_SBLockScreenViewController_prepareForUIUnlock);
    replace(lockScreenViewController, "SBLockScreenViewController", "finishUIUnlockFromSource:"_sel,
        replacement_SBLockScreenViewController_finishUIUnlockFromSource, &previous_SBLockScreenViewController_finishUIUnlockFromSource);
    replace(uiApplication, "UIApplication", "_handleDeviceOrientationChangedEvent:"_sel,
        replacement_UIApplication_handleDeviceOrientationChangedEvent, &previous_UIApplication_handleDeviceOrientationChangedEvent);
    replace(lockScreenManager, "SBLockScreenManager", "_finishUIUnlockFromSource:withOptions:"_sel,
        replacement_SBLockScreenManager_finishUIUnlockFromSource, &previous_SBLockScreenManager_finishUIUnlockFromSource);
    replace(notificationAlert, "SBUserNotificationAlert", "alertView:clickedButtonAtIndex:"_sel,
        replacement_SBUserNotificationAlert_clickedButtonAtIndex, &previous_SBUserNotificationAlert_clickedButtonAtIndex);
    replace(springBoard, "SpringBoard", "_handleMenuButtonEvent"_sel,
        replacement_SpringBoard_handleMenuButtonEvent, &previous_SpringBoard_handleMenuButtonEvent);
    replace(springBoard, "SpringBoard", "noteInterfaceOrientationChanged:duration:"_sel,
        replacement_SpringBoard_noteInterfaceOrientationChanged, &previous_SpringBoard_noteInterfaceOrientationChanged);
    replace(springBoard, "SpringBoard", "applicationDidFinishLaunching:"_sel,
        replacement_SpringBoard_applicationDidFinishLaunching, &previous_SpringBoard_applicationDidFinishLaunching);

    add(springBoard, "holdGrabber:"_sel, added_SpringBoard_holdGrabber);
    add(springBoard, "noticeShowKeyboard:"_sel, added_SpringBoard_noticeShowKeyboard);
    add(springBoard, "noticeHideKeyboard:"_sel, added_SpringBoard_noticeHideKeyboard);
    add(springBoard, "handleSwipeFromLeft:"_sel, added_SpringBoard_handleSwipeFromLeft);
    add(springBoard, "tapGrabber:"_sel, added_SpringBoard_tapGrabber);
    add(springBoard, "pullGrabber:"_sel, added_SpringBoard_pullGrabber);
    add(springBoard, "loadAppInApplicationView:"_sel, added_SpringBoard_loadAppInApplicationView);
}
