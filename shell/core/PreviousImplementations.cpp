#include "PreviousImplementations.h"

void (*previous_SBDeckSwitcherViewController_viewDidAppear)(id, SEL, bool);
void (*previous_SBDeckSwitcherViewController_animateDismissal)(id, SEL, id, id, id);
void (*previous_SBApplication_willActivate)(id, SEL);
void (*previous_SBApplication_willDeactivateForEventsOnly)(id, SEL, bool);
id (*previous_UIView_hitTest)(id, SEL, CGPoint, id);
void (*previous_SBBulletinBannerController_addBulletin)(id, SEL, id, id, unsigned long, bool, id);
void (*previous_SBLockScreenViewController_prepareForUIUnlock)(id, SEL);
void (*previous_SBLockScreenViewController_finishUIUnlockFromSource)(id, SEL, int);
void (*previous_UIApplication_handleDeviceOrientationChangedEvent)(id, SEL, id);
void (*previous_SBLockScreenManager_finishUIUnlockFromSource)(id, SEL, int, id);
void (*previous_SBUserNotificationAlert_clickedButtonAtIndex)(id, SEL, id, long);
void (*previous_SpringBoard_handleMenuButtonEvent)(id, SEL);
void (*previous_SpringBoard_noteInterfaceOrientationChanged)(id, SEL, long, double);
void (*previous_SpringBoard_applicationDidFinishLaunching)(id, SEL, id);
