// The shared application: the first application object made with init.

#include "UIKitFixture.h"

#include <cmath>

namespace {

using ApplicationTest = UIKitTest;

id makeApplication(Class cls)
{
    return send<id>(send<id>(cls, "alloc"_sel), "init"_sel);
}

TEST_F(ApplicationTest, FirstApplicationMadeWithInitIsShared)
{
    EXPECT_EQ(send<id>(uikit::UIApplicationClass(), "sharedApplication"_sel), nullptr);
    auto first = adopt(makeApplication(uikit::UIApplicationClass()));
    EXPECT_EQ(send<id>(uikit::UIApplicationClass(), "sharedApplication"_sel), first.get());

    auto second = adopt(makeApplication(uikit::UIApplicationClass()));
    EXPECT_NE(second.get(), nullptr);
    EXPECT_EQ(send<id>(uikit::UIApplicationClass(), "sharedApplication"_sel), first.get());
    EXPECT_EQ(systemlog::captured().size(), 1u);

    // The shared application outlives the references its maker dropped.
    first = nullptr;
    auto* shared = send<UIApplication*>(uikit::UIApplicationClass(), "sharedApplication"_sel);
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(send<id>(shared, "_accessibilityFrontMostApplication"_sel), nullptr);

    uikit::reset();
    EXPECT_EQ(send<id>(uikit::UIApplicationClass(), "sharedApplication"_sel), nullptr);
}

TEST_F(ApplicationTest, DeviceOrientationEventsAreRecordedByDefault)
{
    auto application = adopt(static_cast<UIApplication*>(makeApplication(uikit::UIApplicationClass())));
    id event = NSString::make("event");
    send(application.get(), "_handleDeviceOrientationChangedEvent:"_sel, event);
    EXPECT_EQ(application->deviceOrientationEventCount, 1);
    EXPECT_EQ(application->lastDeviceOrientationEvent.get(), event);
    EXPECT_STREQ(method_getTypeEncoding(class_getInstanceMethod(uikit::UIApplicationClass(), "_handleDeviceOrientationChangedEvent:"_sel)), "v@:@");
}

}

namespace {

TEST_F(ApplicationTest, ActivationAndStatusBarOrientationReachTheApplicationThroughTheRuntime)
{
    // Nothing to send to before the application exists.
    uikit::activateApplication();
    uikit::changeStatusBarOrientation(UIInterfaceOrientationPortrait, 0.3);

    UIApplication* application = uikit::launchApplication(uikit::UIApplicationClass());
    ASSERT_NE(application, nullptr);
    EXPECT_EQ(uikit::launchApplication(uikit::UIApplicationClass()), application) << "one application a process";
    uikit::activateApplication();
    EXPECT_EQ(application->activationCount, 1);
    uikit::changeStatusBarOrientation(UIInterfaceOrientationLandscapeRight, 0.4);
    EXPECT_EQ(application->statusBarOrientationChangeCount, 1);
    EXPECT_EQ(application->lastStatusBarOrientationApplication, application);
    EXPECT_EQ(application->lastStatusBarOrientation, UIInterfaceOrientationLandscapeRight);
    EXPECT_EQ(application->lastStatusBarOrientationDuration, 0.4);
    EXPECT_STREQ(method_getTypeEncoding(class_getInstanceMethod(uikit::UIApplicationClass(), "application:willChangeStatusBarOrientation:duration:"_sel)), "v@:@qd");
    EXPECT_TRUE(systemlog::captured().empty());
}

TEST_F(ApplicationTest, TheStatusBarFollowsTheRootViewControllersAnswerWhenAppearanceIsUpdated)
{
    auto window = make<UIWindow>(uikit::UIWindowClass(), CGRectMake(0, 0, 100, 100));
    auto controller = adopt(static_cast<UIViewController*>(send<id>(send<id>(uikit::UIViewControllerClass(), "alloc"_sel), "init"_sel)));
    send(window.get(), "setRootViewController:"_sel, static_cast<id>(controller.get()));
    EXPECT_EQ(send<id>(window.get(), "rootViewController"_sel), controller.get());

    controller->statusBarHiddenPreference = true;
    EXPECT_FALSE(uikit::statusBarHidden()) << "only an appearance update applies the answer";
    send(controller.get(), "setNeedsStatusBarAppearanceUpdate"_sel);
    EXPECT_TRUE(uikit::statusBarHidden());
    controller->statusBarHiddenPreference = false;
    send(controller.get(), "setNeedsStatusBarAppearanceUpdate"_sel);
    EXPECT_FALSE(uikit::statusBarHidden());
}

}

namespace {

size_t linesContaining(const std::string& part)
{
    size_t count = 0;
    for (auto const& message : systemlog::capturedMessages())
        count += message.find(part) != std::string::npos ? 1 : 0;
    return count;
}

TEST_F(ApplicationTest, ATurnOfTheSceneTurnsTheScreenAndTellsTheStatusBarThroughTheRuntime)
{
    auto& scene = uikit::ApplicationScene::shared();
    int changes = 0;
    scene.setChangeHandler([&] { ++changes; });
    // Without an application the screen still turns.
    scene.orientationArrived(UIInterfaceOrientationLandscapeLeft, 0.4);
    EXPECT_EQ(uikit::mainScreenBounds(), CGRectMake(0, 0, 667, 375));
    EXPECT_EQ(changes, 1);

    UIApplication* application = uikit::launchApplication(uikit::UIApplicationClass());
    scene.orientationArrived(UIInterfaceOrientationLandscapeRight, 0.4);
    EXPECT_EQ(application->statusBarOrientationChangeCount, 1);
    EXPECT_EQ(application->lastStatusBarOrientationApplication, application);
    EXPECT_EQ(application->lastStatusBarOrientation, UIInterfaceOrientationLandscapeRight);
    EXPECT_EQ(application->lastStatusBarOrientationDuration, 0.4);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(linesContaining("uikit: the scene turned to orientation 3; the status bar turns to orientation 3 in 0.40 s"), 1u);

    scene.orientationArrived(UIInterfaceOrientationPortrait, 0);
    EXPECT_EQ(uikit::mainScreenBounds(), CGRectMake(0, 0, 375, 667));
    EXPECT_EQ(application->lastStatusBarOrientation, UIInterfaceOrientationPortrait);

    // Nonsense from the shell is logged and changes nothing.
    scene.orientationArrived(7, 0.4);
    scene.orientationArrived(UIInterfaceOrientationLandscapeLeft, std::nan(""));
    scene.orientationArrived(UIInterfaceOrientationLandscapeLeft, -1);
    EXPECT_EQ(uikit::mainScreenBounds(), CGRectMake(0, 0, 375, 667));
    EXPECT_EQ(application->statusBarOrientationChangeCount, 2);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(linesContaining("uikit: ignored"), 3u);
}

}
