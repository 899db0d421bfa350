#include "UIKit.h"

#include "notifications/NSNotificationCenter.h"

namespace uikit {

void registerClasses()
{
    if (UIViewClass())
        return;
    foundation::registerClasses();
    quartz::registerClasses();
    // Keyboard notifications reach applications on their default center.
    notifications::registerNSNotificationCenter();
    registerUIResponder();
    registerUIColor();
    registerUIFont();
    registerUIImage();
    registerUIView();
    registerUIViewAnimations();
    registerUIWindow();
    registerUIImageView();
    registerUILabel();
    registerUITextField();
    registerUIKeyboard();
    registerUIAlertView();
    registerUIScreen();
    registerUIApplication();
    registerUIViewController();
    registerUIEvent();
    registerUIDeviceOrientationEvent();
    registerUITouch();
    registerUIGestureRecognizer();
    registerUIPanGestureRecognizer();
    registerUITapGestureRecognizer();
    registerUISwipeGestureRecognizer();
    registerUILongPressGestureRecognizer();
}

void reset()
{
    TouchInput::shared().reset();
    resetWindows();
    resetApplication();
    resetScreen();
    resetStatusBar();
    ApplicationScene::reset();
    ApplicationKeyboard::reset();
    resetAnimations();
}

}
