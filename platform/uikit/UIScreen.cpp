#include "UIScreen.h"
#include "UIApplication.h"

#include <cmath>

namespace {

Class g_UIScreen;

struct ScreenState {
    CGSize size = uikit::kDefaultMainScreenSize;
    CGFloat scale = uikit::kDefaultMainScreenScale;
    long orientation = UIInterfaceOrientationPortrait;
    Strong<UIScreen> main;
};

ScreenState& screenState()
{
    static auto* screen = new ScreenState;
    return *screen;
}

bool isPositive(CGFloat value) { return std::isfinite(value) && value > 0; }

id mainScreen(id, SEL)
{
    auto& screen = screenState();
    if (!screen.main)
        screen.main = adopt(static_cast<UIScreen*>(class_createInstance(g_UIScreen, 0)));
    return screen.main;
}

CGRect screenBounds(id, SEL) { return uikit::mainScreenBounds(); }
CGFloat screenScale(id, SEL) { return uikit::mainScreenScale(); }

}

namespace uikit {

Class UIScreenClass() { return g_UIScreen; }

bool setMainScreenSize(CGFloat width, CGFloat height)
{
    if (!isPositive(width) || !isPositive(height))
        return false;
    screenState().size = { width, height };
    return true;
}

bool setMainScreenScale(CGFloat scale)
{
    if (!isPositive(scale))
        return false;
    screenState().scale = scale;
    return true;
}

CGRect mainScreenBounds() { return { {}, sizeInOrientation(screenState().size, screenState().orientation) }; }
CGFloat mainScreenScale() { return screenState().scale; }
CGSize mainScreenPortraitSize() { return screenState().size; }

bool setMainScreenOrientation(long orientation)
{
    if (orientation < UIInterfaceOrientationPortrait || orientation > UIInterfaceOrientationLandscapeLeft)
        return false;
    screenState().orientation = orientation;
    return true;
}

long mainScreenOrientation() { return screenState().orientation; }

bool isLandscapeOrientation(long orientation)
{
    return orientation == UIInterfaceOrientationLandscapeRight || orientation == UIInterfaceOrientationLandscapeLeft;
}

CGSize sizeInOrientation(CGSize portrait, long orientation)
{
    if (isLandscapeOrientation(orientation))
        return { portrait.height, portrait.width };
    return portrait;
}

void resetScreen()
{
    auto& screen = screenState();
    screen.size = kDefaultMainScreenSize;
    screen.scale = kDefaultMainScreenScale;
    screen.orientation = UIInterfaceOrientationPortrait;
    screen.main = nullptr;
}

void registerUIScreen()
{
    g_UIScreen = runtime::defineClass("UIScreen", foundation::NSObjectClass(), runtime::makeInstance<UIScreen>);
    addClassMethod(g_UIScreen, "mainScreen"_sel, mainScreen);
    addMethod(g_UIScreen, "bounds"_sel, screenBounds);
    addMethod(g_UIScreen, "scale"_sel, screenScale);
}

}
