#include "SpringBoardClasses.h"
#include "AlertQueue.h"
#include "AppSwitcher.h"
#include "ApplicationLifecycle.h"
#include "BBBulletin.h"
#include "BulletinBanner.h"
#include "DeviceLock.h"
#include "OnScreenKeyboard.h"

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
    notifications::resetDefaultCenter();
}

}
