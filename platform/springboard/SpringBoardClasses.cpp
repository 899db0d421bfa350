#include "SpringBoardClasses.h"

#include "frontboard/FrontBoardClasses.h"
#include "uikit/UIKit.h"

namespace springboard {

void registerClasses()
{
    if (SpringBoardClass())
        return;
    uikit::registerClasses();
    frontboard::registerClasses();
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
    frontboard::reset();
}

}
