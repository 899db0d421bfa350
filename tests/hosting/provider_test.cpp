// The context host provider with the shell's classes, no process running.
#include "HostingFixture.h"

#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "frontboard/FrontBoardClasses.h"
#include "notifications/CFNotificationCenter.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/SpringBoardClasses.h"

using namespace hostingtest;

namespace {

std::vector<std::string> g_posted;
Strong<NSDictionary> g_lastUserInfo;

void recordPost(CFNotificationCenterRef, void*, CFStringRef name, const void*, CFDictionaryRef userInfo)
{
    g_posted.push_back(name->value);
    g_lastUserInfo = userInfo;
}

}

FORKED_TEST(ContextHostProvider, OneSharedInstanceMadeOnceAndPlainAccessors)
{
    setUpShell();
    AutoreleasePool pool;
    id first = provider();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(provider(), first);
    EXPECT_FALSE(send<bool>(first, "currentAppHasFinishedLaunching"_sel));
    send(first, "setCurrentAppHasFinishedLaunching:"_sel, true);
    EXPECT_TRUE(send<bool>(first, "currentAppHasFinishedLaunching"_sel));
}

FORKED_TEST(ContextHostProvider, UnknownOrNilIdentifiersGiveNoViewLaunchNothingAndTheStopStillLogs)
{
    setUpShell();
    AutoreleasePool pool;
    EXPECT_EQ(send<id>(provider(), "hostViewForApplicationWithBundleID:"_sel, static_cast<id>(NSSTR("com.example.none"))), nullptr);
    EXPECT_EQ(send<id>(provider(), "hostViewForApplicationWithBundleID:"_sel, static_cast<id>(nullptr)), nullptr);
    send(provider(), "forceRehostingOnBundleID:"_sel, static_cast<id>(NSSTR("com.example.none")));
    send(provider(), "stopHostingForBundleID:"_sel, static_cast<id>(NSSTR("com.example.none")));
    EXPECT_EQ(logged("[Drawlet] Stop hosting com.example.none").size(), 1u);
    EXPECT_TRUE(logged("cannot launch").empty()) << "nothing was handed to the shell's launcher";
    EXPECT_FALSE(send<bool>(provider(), "isHostViewHosting:"_sel, static_cast<id>(nullptr)));
}

FORKED_TEST(ContextHostProvider, EachRequestEnablesHostingAndGivesANewTaggedViewOfTheScreensSize)
{
    setUpShell();
    AutoreleasePool pool;
    id first = send<id>(provider(), "hostViewForApplicationWithBundleID:"_sel, static_cast<id>(NSSTR(kNotes)));
    id second = send<id>(provider(), "hostViewForApplicationWithBundleID:"_sel, static_cast<id>(NSSTR(kNotes)));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    for (id view : { first, second }) {
        auto* hint = static_cast<NSString*>(send<id>(provider(), "bundleIDFromHostView:"_sel, view));
        ASSERT_NE(hint, nullptr);
        EXPECT_EQ(hint->value, kNotes);
        EXPECT_EQ(send<CGRect>(view, "frame"_sel), CGRectMake(0, 0, 320, 568));
    }
    FBScene* scene = frontboard::sceneForApplication(kNotes);
    EXPECT_FALSE(scene->settings->backgrounded) << "the scene is kept in the foreground while hosted";
    EXPECT_EQ(scene->contextHostManager->enabledRequesters.count(kNotes), 1u);
    // Without a running process there is nothing to show.
    EXPECT_FALSE(send<bool>(provider(), "isHostViewHosting:"_sel, first));

    send(provider(), "stopHostingForBundleID:"_sel, static_cast<id>(NSSTR(kNotes)));
    EXPECT_TRUE(scene->settings->backgrounded);
    EXPECT_TRUE(scene->contextHostManager->enabledRequesters.empty());
}

FORKED_TEST(ContextHostProvider, PerApplicationNotificationsCarryTheIdentifierFirst)
{
    setUpShell();
    AutoreleasePool pool;
    CFNotificationCenterAddObserver(CFNotificationCenterGetDistributedCenter(), nullptr, recordPost, nullptr, nullptr,
        CFNotificationSuspensionBehaviorDeliverImmediately);
    CFNotificationCenterAddObserver(CFNotificationCenterGetDarwinNotifyCenter(), nullptr, recordPost, nullptr, nullptr,
        CFNotificationSuspensionBehaviorDeliverImmediately);
    send(provider(), "setStatusBarHidden:onApplicationWithBundleID:"_sel, static_cast<id>(NSNumber::numberWithInteger(1)), static_cast<id>(NSSTR("com.x")));
    runFor(0);
    ASSERT_EQ(g_posted, std::vector<std::string> { "com.xVeskStatusBarChange" });
    EXPECT_EQ(logged("[Drawlet] Posting notification: com.xVeskStatusBarChange").size(), 1u);
    auto* hidden = static_cast<NSNumber*>(g_lastUserInfo->objectForKey("isHidden"));
    ASSERT_NE(hidden, nullptr);
    EXPECT_EQ(send<int>(hidden, "intValue"_sel), 1);

    send(provider(), "sendLandscapeRotationNotificationToBundleID:"_sel, static_cast<id>(NSSTR("com.x")));
    send(provider(), "sendPortraitRotationNotificationToBundleID:"_sel, static_cast<id>(NSSTR("com.x")));
    runFor(0);
    EXPECT_EQ(g_posted, (std::vector<std::string> { "com.xVeskStatusBarChange", "com.xVeskLandscapeRotate", "com.xVeskPortraitRotate" }));
}
