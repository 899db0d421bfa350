// Windows: hidden until shown, kept while visible, ordered by level and then
// by the moment they became visible; the key window.

#include "UIKitFixture.h"

#include <cmath>

namespace {

using WindowTest = UIKitTest;

TEST_F(WindowTest, VisibleWindowsAreOrderedByLevelThenByWhenTheyAppeared)
{
    auto low = make<UIWindow>(uikit::UIWindowClass(), CGRectZero);
    auto statusA = make<UIWindow>(uikit::UIWindowClass(), CGRectZero);
    auto statusB = make<UIWindow>(uikit::UIWindowClass(), CGRectZero);
    send(statusB.get(), "setWindowLevel:"_sel, UIWindowLevelStatusBar + 1);
    send(statusA.get(), "setWindowLevel:"_sel, UIWindowLevelStatusBar + 1);
    EXPECT_TRUE(uikit::visibleWindowsBackToFront().empty());

    send(statusB.get(), "setHidden:"_sel, false);
    send(statusA.get(), "setHidden:"_sel, false);
    send(low.get(), "setHidden:"_sel, false);
    EXPECT_EQ(uikit::visibleWindowsBackToFront(), (std::vector<UIWindow*> { low.get(), statusB.get(), statusA.get() }));

    // Shown again, a window comes in front of its equals.
    send(statusB.get(), "setHidden:"_sel, true);
    send(statusB.get(), "setHidden:"_sel, false);
    EXPECT_EQ(uikit::visibleWindowsBackToFront(), (std::vector<UIWindow*> { low.get(), statusA.get(), statusB.get() }));
    // Setting the flag it already has changes nothing.
    send(statusA.get(), "setHidden:"_sel, false);
    EXPECT_EQ(uikit::visibleWindowsBackToFront().back(), statusB.get());

    send(low.get(), "setWindowLevel:"_sel, std::nan(""));
    EXPECT_EQ(uikit::visibleWindowsBackToFront().front(), low.get());
    EXPECT_EQ(send<double>(statusA.get(), "windowLevel"_sel), 1001.0);
}

TEST_F(WindowTest, VisibleWindowIsKeptAliveUntilHidden)
{
    UIWindow* window = nullptr;
    {
        auto made = make<UIWindow>(uikit::UIWindowClass(), CGRectMake(0, 0, 10, 10));
        window = made.get();
        send(made.get(), "makeKeyAndVisible"_sel);
    }
    ASSERT_EQ(uikit::visibleWindowsBackToFront(), std::vector<UIWindow*> { window });
    EXPECT_EQ(uikit::keyWindow(), window);
    EXPECT_TRUE(send<bool>(window, "isKeyWindow"_sel));
    EXPECT_EQ(send<id>(send<id>(send<id>(uikit::UIApplicationClass(), "alloc"_sel), "init"_sel), "keyWindow"_sel), window);
    objc_release(uikit::sharedApplication());

    send(window, "setHidden:"_sel, true);
    EXPECT_EQ(uikit::keyWindow(), nullptr);
    EXPECT_TRUE(uikit::visibleWindowsBackToFront().empty());
}

TEST_F(WindowTest, ScreenSizeIsConfigurableAndRefusesNonsense)
{
    id screen = send<id>(uikit::UIScreenClass(), "mainScreen"_sel);
    EXPECT_EQ(screen, send<id>(uikit::UIScreenClass(), "mainScreen"_sel));
    EXPECT_EQ(send<CGRect>(screen, "bounds"_sel), CGRectMake(0, 0, 375, 667));
    EXPECT_EQ(send<double>(screen, "scale"_sel), 2.0);

    EXPECT_TRUE(uikit::setMainScreenSize(320, 568));
    EXPECT_EQ(send<CGRect>(screen, "bounds"_sel), CGRectMake(0, 0, 320, 568));
    EXPECT_FALSE(uikit::setMainScreenSize(0, 568));
    EXPECT_FALSE(uikit::setMainScreenSize(320, -1));
    EXPECT_FALSE(uikit::setMainScreenSize(std::nan(""), 568));
    EXPECT_FALSE(uikit::setMainScreenSize(INFINITY, 568));
    EXPECT_FALSE(uikit::setMainScreenScale(0));
    EXPECT_EQ(send<CGRect>(screen, "bounds"_sel), CGRectMake(0, 0, 320, 568));

    uikit::reset();
    EXPECT_EQ(uikit::mainScreenBounds(), CGRectMake(0, 0, 375, 667));
}

TEST_F(WindowTest, ScreenBoundsFollowTheInterfaceOrientationUntilAReset)
{
    id screen = send<id>(uikit::UIScreenClass(), "mainScreen"_sel);
    ASSERT_TRUE(uikit::setMainScreenSize(320, 568));
    EXPECT_EQ(uikit::mainScreenOrientation(), UIInterfaceOrientationPortrait);

    struct Turn {
        long orientation;
        CGRect bounds;
    };
    for (auto const& [orientation, bounds] : { Turn { UIInterfaceOrientationLandscapeRight, CGRectMake(0, 0, 568, 320) },
             Turn { UIInterfaceOrientationPortraitUpsideDown, CGRectMake(0, 0, 320, 568) }, Turn { UIInterfaceOrientationLandscapeLeft, CGRectMake(0, 0, 568, 320) },
             Turn { UIInterfaceOrientationPortrait, CGRectMake(0, 0, 320, 568) } }) {
        EXPECT_TRUE(uikit::setMainScreenOrientation(orientation));
        EXPECT_EQ(send<CGRect>(screen, "bounds"_sel), bounds) << "orientation " << orientation;
        EXPECT_EQ(uikit::mainScreenPortraitSize(), CGSizeMake(320, 568)) << "orientation " << orientation;
    }

    // A size set while turned is the upright size; the turn still applies.
    ASSERT_TRUE(uikit::setMainScreenOrientation(UIInterfaceOrientationLandscapeLeft));
    ASSERT_TRUE(uikit::setMainScreenSize(375, 667));
    EXPECT_EQ(uikit::mainScreenBounds(), CGRectMake(0, 0, 667, 375));

    for (long nonsense : { 0L, 5L, -3L }) {
        EXPECT_FALSE(uikit::setMainScreenOrientation(nonsense)) << nonsense;
        EXPECT_EQ(uikit::mainScreenOrientation(), UIInterfaceOrientationLandscapeLeft) << nonsense;
    }

    uikit::resetScreen();
    EXPECT_EQ(uikit::mainScreenOrientation(), UIInterfaceOrientationPortrait);
    EXPECT_EQ(uikit::mainScreenBounds(), CGRectMake(0, 0, 375, 667));
    ASSERT_TRUE(uikit::setMainScreenOrientation(UIInterfaceOrientationLandscapeRight));
    uikit::reset();
    EXPECT_EQ(uikit::mainScreenBounds(), CGRectMake(0, 0, 375, 667)) << "the whole of UIKit's reset turns the screen upright too";
}

}
