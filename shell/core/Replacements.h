#pragma once
// The replacement and added methods, each defined in its own subsystem's folder.

#include "coregraphics/CGGeometry.h"
#include "notifications/CFNotificationCenter.h"
#include "runtime/Runtime.h"

// Application lifecycle and switcher (hosting/SwitcherHooks.cpp).
void replacement_SBDeckSwitcherViewController_viewDidAppear(id self, SEL selector, bool animated);
void replacement_SBDeckSwitcherViewController_animateDismissal(id self, SEL selector, id displayItem, id request, id completion);
void replacement_SBApplication_willActivate(id self, SEL selector);
void replacement_SBApplication_willDeactivateForEventsOnly(id self, SEL selector, bool eventsOnly);
void added_SBApplication_setHidden(id self, SEL selector, bool hidden);

// Touch pass-through and orientation (panel/HitTest.cpp, panel/Orientation.cpp).
id replacement_UIView_hitTest(id self, SEL selector, CGPoint point, id event);
void replacement_UIApplication_handleDeviceOrientationChangedEvent(id self, SEL selector, id event);
void replacement_SpringBoard_noteInterfaceOrientationChanged(id self, SEL selector, long orientation, double duration);

// Banners, lock state, unlock, first run and home button (events/).
void replacement_SBBulletinBannerController_addBulletin(id self, SEL selector, id observer, id bulletin, unsigned long feed, bool playLightsAndSirens, id reply);
void replacement_SBLockScreenViewController_prepareForUIUnlock(id self, SEL selector);
void replacement_SBLockScreenViewController_finishUIUnlockFromSource(id self, SEL selector, int source);
void replacement_SBLockScreenManager_finishUIUnlockFromSource(id self, SEL selector, int source, id options);
void replacement_SBUserNotificationAlert_clickedButtonAtIndex(id self, SEL selector, id alertView, long buttonIndex);
void replacement_SpringBoard_handleMenuButtonEvent(id self, SEL selector);
void displayStatusChanged(CFNotificationCenterRef center, void* observer, CFStringRef name, const void* object, CFDictionaryRef userInfo);

// Panel construction, gestures and keyboard (panel/).
void replacement_SpringBoard_applicationDidFinishLaunching(id self, SEL selector, id application);
void added_SpringBoard_holdGrabber(id self, SEL selector, id sender);
void added_SpringBoard_noticeShowKeyboard(id self, SEL selector, id notification);
void added_SpringBoard_noticeHideKeyboard(id self, SEL selector, id notification);
void added_SpringBoard_handleSwipeFromLeft(id self, SEL selector, id sender);
void added_SpringBoard_tapGrabber(id self, SEL selector, id sender);
void added_SpringBoard_pullGrabber(id self, SEL selector, id recognizer);

// Loading an application into the panel (hosting/LoadApp.cpp).
void added_SpringBoard_loadAppInApplicationView(id self, SEL selector, id bundleIdentifier);
