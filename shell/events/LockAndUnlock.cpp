// Lock state, unlock and the first-run alert.
#include "core/ClassCache.h"
#include "core/NotificationNames.h"
#include "core/PanelState.h"
#include "core/PreviousImplementations.h"
#include "core/Replacements.h"
#include "core/Settings.h"
#include "core/SettingsReader.h"
#include "core/ShellMessages.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "foundation/NSStringWithFormat.h"
#include "foundation/SystemLog.h"
#include "hosting/RKVContextHostProvider.h"
#include "panel/PanelAnimation.h"

namespace {

constexpr const char* kHasBeenLaunchedBeforeKey = "hasBeenLaunchedBefore";
constexpr const char* kDrawletSettingsAddress = "prefs:root=Drawlet";

void showWelcomeAlert()
{
    startupAlert = adopt(send<id>(send<id>(SBUserNotificationAlertClass.get(), "alloc"_sel), "init"_sel));
    send(startupAlert.get(), "setAlertHeader:"_sel, static_cast<id>(NSSTR("Drawlet")));
    send(startupAlert.get(), "setAlertMessage:"_sel,
        static_cast<id>(NSSTR("Thanks for installing Drawlet! To get started with the default settings, open an app and short-hold the lock button. "
                              "You can set your own gesture, as well as customize the grabber in Drawlet's settings.")));
    send(startupAlert.get(), "setDefaultButtonTitle:"_sel, static_cast<id>(NSSTR("Open Settings")));
    send(startupAlert.get(), "setAlternateButtonTitle:"_sel, static_cast<id>(NSSTR("Got it!")));
    NSLog("[Drawlet] display initial alert!");
    id controller = send<id>(SBAlertItemsControllerClass.get(), "sharedInstance"_sel);
    send(controller, "activateAlertItem:"_sel, startupAlert.get());
}

void openDrawletSettings()
{
    id address = send<id>(objc_getClass("NSURL"), "URLWithString:"_sel, static_cast<id>(NSSTR(kDrawletSettingsAddress)));
    (void)send<bool>(sharedApplication(), "openURL:"_sel, address);
}

}

void displayStatusChanged(CFNotificationCenterRef, void*, CFStringRef name, const void*, CFDictionaryRef)
{
    // "lockstate" announces every change of the lock state; only a completed
    // lock releases the pinned application.
    NSString* text = NSStringWithFormat("%@", static_cast<id>(name));
    if (!send<bool>(text, "isEqualToString:"_sel, static_cast<id>(NSSTR(kLockCompleteNotification))))
        return;
    NSLog("[Drawlet] DEVICE LOCKED");
    isUnlocked = false;
    send(sharedHostProvider(), "stopHostingForBundleID:"_sel, static_cast<id>(currentHostedApplicationBundleIdentifier.get()));
    postStatusBarHidden(false);
}

void replacement_SBLockScreenViewController_prepareForUIUnlock(id self, SEL selector)
{
    callPrevious(previous_SBLockScreenViewController_prepareForUIUnlock, self, selector);
    NSLog("[Drawlet] DEVICE UNLOCKED");
    isUnlocked = true;
}

void replacement_SBLockScreenViewController_finishUIUnlockFromSource(id self, SEL selector, int source)
{
    callPrevious(previous_SBLockScreenViewController_finishUIUnlockFromSource, self, selector, source);
}

// The first-run check, on every unlock: the welcome alert shows once, and the
// settings file records that it has.
void replacement_SBLockScreenManager_finishUIUnlockFromSource(id self, SEL selector, int source, id options)
{
    callPrevious(previous_SBLockScreenManager_finishUIUnlockFromSource, self, selector, source, options);
    NSString* path = settingsFilePath();
    settings = readSettingsFile();
    id fileManager = send<id>(objc_getClass("NSFileManager"), "defaultManager"_sel);
    if (!send<bool>(fileManager, "fileExistsAtPath:"_sel, static_cast<id>(path)))
        return;
    bool const launchedBefore = settingsBool(settings.get(), kHasBeenLaunchedBeforeKey);
    NSLog("[Drawlet] Yay!! The File Exists! %@ launched before", launchedBefore ? NSSTR("Has") : NSSTR("Has not"));
    if (launchedBefore)
        return;
    // A file that could not be read gives no dictionary, so nothing is written
    // over it: the user's file is never replaced by an empty one.
    send(settings.get(), "setObject:forKey:"_sel, static_cast<id>(NSNumber::numberWithBool(true)), static_cast<id>(NSSTR(kHasBeenLaunchedBeforeKey)));
    (void)send<bool>(settings.get(), "writeToFile:atomically:"_sel, static_cast<id>(path), true);
    showWelcomeAlert();
}

// Only the welcome alert's own answer counts as its answer: another alert
// answered while it waits runs as the shell runs it, and the welcome alert
// stays to be answered.
void replacement_SBUserNotificationAlert_clickedButtonAtIndex(id self, SEL selector, id alertView, long buttonIndex)
{
    NSLog("[Drawlet] view:%@\tstartupAlert:%@", alertView, startupAlert.get());
    if (!startupAlert || self != startupAlert.get()) {
        callPrevious(previous_SBUserNotificationAlert_clickedButtonAtIndex, self, selector, alertView, buttonIndex);
        return;
    }
    startupAlert = nullptr;
    if (buttonIndex == 0)
        NSLog("[Drawlet] Do nothing");
    if (buttonIndex == 1) {
        NSLog("[Drawlet] Open Drawlet Prefs");
        openDrawletSettings();
    }
    callPrevious(previous_SBUserNotificationAlert_clickedButtonAtIndex, self, selector, alertView, buttonIndex);
}
