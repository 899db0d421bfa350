#include "SpringBoardClasses.h"
#include "AlertQueue.h"
#include "AppSwitcher.h"
#include "ApplicationLifecycle.h"
#include "BBBulletin.h"
#include "BulletinBanner.h"
#include "DeviceLock.h"
#include "OnScreenKeyboard.h"

#include "activator/ActivatorClasses.h"
#include "frontboard/FrontBoardClasses.h"
#include "notifications/NSNotificationCenter.h"
#include "uikit/UIKit.h"

namespace springboard {

void registerClasses()
{
    if (SpringBoardClass())
        return;
    uikit::registerClasses();
    frontboard::registerClasses();
    // The shell's keyboard observers use the process's own center.
    notifications::registerNSNotificationCenter();
    registerSpringBoard();
    registerSBApplication();
    registerSBApplicationIcon();
    registerSBApplicationController();
    registerSBUIController();
    registerSBAlertItemsController();
    registerSBDeckSwitcherViewController();
    registerSBDisplayItem();
    registerSBAppSwitcherSnapshotView();
    registerSBBulletinBannerController();
    registerBBBulletin();
    registerSBLockScreenViewController();
    registerSBLockScreenManager();
    registerSBUserNotificationAlert();
    // The shell's Activator, before any library registers its listeners.
    activator::registerClasses();
}

void reset()
{
    resetAlertQueue();
    resetAppSwitcher();
    resetApplicationLifecycle();
    resetBanner();
    resetDeviceLock();
    resetKeyboard();
    resetSharedInstances();
    frontboard::reset();
    activator::reset();
    notifications::resetDefaultCenter();
}

}
