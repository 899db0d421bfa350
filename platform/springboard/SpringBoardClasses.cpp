#include "SpringBoardClasses.h"

#include "uikit/UIKit.h"

namespace springboard {

void registerClasses()
{
    if (SpringBoardClass())
        return;
    uikit::registerClasses();
    registerSpringBoard();
    registerSBApplication();
    registerSBApplicationIcon();
    registerSBApplicationController();
    registerSBUIController();
    registerSBAlertItemsController();
    registerSBDeckSwitcherViewController();
    registerSBBulletinBannerController();
    registerSBLockScreenViewController();
    registerSBLockScreenManager();
    registerSBUserNotificationAlert();
}

void reset()
{
    resetSharedInstances();
}

}
