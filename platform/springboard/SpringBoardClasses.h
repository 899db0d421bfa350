#pragma once
// The simulated shell's classes in one include, with the area's registration
// and reset.

#include "BBBulletin.h"
#include "SBAlertItemsController.h"
#include "SBAppSwitcherSnapshotView.h"
#include "SBApplication.h"
#include "SBApplicationController.h"
#include "SBApplicationIcon.h"
#include "SBBulletinBannerController.h"
#include "SBDeckSwitcherViewController.h"
#include "SBDisplayItem.h"
#include "SBLockScreenManager.h"
#include "SBLockScreenViewController.h"
#include "SBUIController.h"
#include "SBUserNotificationAlert.h"
#include "SharedInstances.h"
#include "SpringBoard.h"

namespace springboard {

// Registers every shell class (and UIKit's first); safe to call more than once.
void registerClasses();

// Forgets the shared controllers, the installed applications, the alerts and
// the banner; for tests.
// (The shared application is UIKit's: uikit::reset.)
void reset();

}
