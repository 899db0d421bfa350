#pragma once
// One slot per replaced method: the implementation that was in place before the
// replacement. A slot stays empty when its class is missing; callPrevious never
// jumps through an empty slot.

#include "coregraphics/CGGeometry.h"
#include "runtime/Runtime.h"

extern void (*previous_SBDeckSwitcherViewController_viewDidAppear)(id, SEL, bool);
extern void (*previous_SBDeckSwitcherViewController_animateDismissal)(id, SEL, id, id, id);
extern void (*previous_SBApplication_willActivate)(id, SEL);
extern void (*previous_SBApplication_willDeactivateForEventsOnly)(id, SEL, bool);
extern id (*previous_UIView_hitTest)(id, SEL, CGPoint, id);
extern void (*previous_SBBulletinBannerController_addBulletin)(id, SEL, id, id, unsigned long, bool, id);
extern void (*previous_SBLockScreenViewController_prepareForUIUnlock)(id, SEL);
extern void (*previous_SBLockScreenViewController_finishUIUnlockFromSource)(id, SEL, int);
extern void (*previous_UIApplication_handleDeviceOrientationChangedEvent)(id, SEL, id);
extern void (*previous_SBLockScreenManager_finishUIUnlockFromSource)(id, SEL, int, id);
extern void (*previous_SBUserNotificationAlert_clickedButtonAtIndex)(id, SEL, id, long);
extern void (*previous_SpringBoard_handleMenuButtonEvent)(id, SEL);
extern void (*previous_SpringBoard_noteInterfaceOrientationChanged)(id, SEL, long, double);
extern void (*previous_SpringBoard_applicationDidFinishLaunching)(id, SEL, id);
