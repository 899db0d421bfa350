#pragma once
// UIKit in one include, with the area's registration and reset.

#include "ApplicationScene.h"
#include "StatusBar.h"
#include "UIApplication.h"
#include "UIColor.h"
#include "UIFont.h"
#include "UIImage.h"
#include "UIImageView.h"
#include "UILabel.h"
#include "UIResponder.h"
#include "UIScreen.h"
#include "UIView.h"
#include "UIViewController.h"
#include "UIWindow.h"

namespace uikit {

// Registers every UIKit class (and QuartzCore's and Foundation's first); safe
// to call more than once.
void registerClasses();

// Forgets the shared application, the visible windows, the status bar, the
// scene and the screen settings; for tests.
void reset();

}
