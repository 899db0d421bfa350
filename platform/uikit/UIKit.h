#pragma once
// UIKit in one include, with the area's registration and reset.

#include "ApplicationKeyboard.h"
#include "ApplicationScene.h"
#include "StatusBar.h"
#include "TouchInput.h"
#include "UIAlertView.h"
#include "UIApplication.h"
#include "UIColor.h"
#include "UIDeviceOrientationEvent.h"
#include "UIEvent.h"
#include "UIFont.h"
#include "UIGestureRecognizer.h"
#include "UIImage.h"
#include "UIImageView.h"
#include "UIKeyboard.h"
#include "UILabel.h"
#include "UILongPressGestureRecognizer.h"
#include "UIPanGestureRecognizer.h"
#include "UIResponder.h"
#include "UIScreen.h"
#include "UISwipeGestureRecognizer.h"
#include "UITapGestureRecognizer.h"
#include "UITextField.h"
#include "UITouch.h"
#include "UIView.h"
#include "UIViewAnimation.h"
#include "UIViewController.h"
#include "UIWindow.h"

namespace uikit {

// Registers every UIKit class (and QuartzCore's and Foundation's first); safe
// to call more than once.
void registerClasses();

// Forgets the shared application, the visible windows, the status bar, the
// scene, the text field editing, the screen settings, the fingers on the screen
// (cancelling their touches) and the running animations; for tests.
void reset();

}
