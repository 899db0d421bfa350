#include "UIKit.h"

namespace uikit {

void registerClasses()
{
    if (UIViewClass())
        return;
    foundation::registerClasses();
    quartz::registerClasses();
    registerUIResponder();
    registerUIColor();
    registerUIFont();
    registerUIImage();
    registerUIView();
    registerUIViewAnimations();
    registerUIWindow();
    registerUIImageView();
    registerUILabel();
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
    resetAnimations();
}

}
