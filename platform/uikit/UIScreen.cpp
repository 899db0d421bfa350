#include "UIScreen.h"

#include <cmath>

namespace {

Class g_UIScreen;

struct ScreenState {
    CGSize size = uikit::kDefaultMainScreenSize;
    CGFloat scale = uikit::kDefaultMainScreenScale;
    Strong<UIScreen> main;
};

ScreenState& state()
{
    static auto* screen = new ScreenState;
    return *screen;
}

bool isPositive(CGFloat value) { return std::isfinite(value) && value > 0; }

id mainScreen(id, SEL)
{
    auto& screen = state();
    if (!screen.main)
        screen.main = adopt(static_cast<UIScreen*>(class_createInstance(g_UIScreen, 0)));
    return screen.main;
}

CGRect bounds(id, SEL) { return uikit::mainScreenBounds(); }
CGFloat scale(id, SEL) { return uikit::mainScreenScale(); }

}

namespace uikit {

Class UIScreenClass() { return g_UIScreen; }

bool setMainScreenSize(CGFloat width, CGFloat height)
{
    if (!isPositive(width) || !isPositive(height))
        return false;
    state().size = { width, height };
    return true;
}

bool setMainScreenScale(CGFloat scale)
{
    if (!isPositive(scale))
        return false;
    state().scale = scale;
    return true;
}

CGRect mainScreenBounds() { return { {}, state().size }; }
CGFloat mainScreenScale() { return state().scale; }

void resetScreen()
{
    auto& screen = state();
    screen.size = kDefaultMainScreenSize;
    screen.scale = kDefaultMainScreenScale;
    screen.main = nullptr;
}

void registerUIScreen()
{
    g_UIScreen = runtime::defineClass("UIScreen", foundation::NSObjectClass(), runtime::makeInstance<UIScreen>);
    addClassMethod(g_UIScreen, "mainScreen"_sel, mainScreen);
    addMethod(g_UIScreen, "bounds"_sel, bounds);
    addMethod(g_UIScreen, "scale"_sel, scale);
}

}
