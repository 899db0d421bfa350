// The shared application: the first application object made with init.

#include "UIKitFixture.h"

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
