// The simulated shell's classes: every selector a library replaces exists with
// the exact encoding its typed replacement expects, the replacements install,
// and the default behaviours run through the runtime.

#include "foundation/NSNumber.h"
#include "foundation/SystemLog.h"
#include "springboard/SpringBoardClasses.h"
#include "substrate/Substrate.h"
#include "support/ForkedTest.h"
#include "uikit/UIKit.h"

#include <cairo.h>
#include <gtest/gtest.h>

namespace {

class ShellClassesTest : public testing::Test {
protected:
    void SetUp() override
    {
        springboard::registerClasses();
        uikit::reset();
        springboard::reset();
        systemlog::setWritesToStandardError(false);
        systemlog::reset();
    }

    void TearDown() override
    {
        springboard::reset();
        uikit::reset();
        systemlog::setWritesToStandardError(true);
    }

    AutoreleasePool pool;
};

struct Selector {
    const char* className;
    const char* selector;
    const char* types;
    bool classMethod = false;
};

// Every method the shell library replaces, plus what it calls on these classes.
Selector const kShellSelectors[] = {
    { "SBDeckSwitcherViewController", "viewDidAppear:", "v@:B" },
    { "SBDeckSwitcherViewController", "animateDismissalToDisplayItem:forTransitionRequest:withCompletion:", "v@:@@@" },
    { "SBApplication", "willActivate", "v@:" },
    { "SBApplication", "willDeactivateForEventsOnly:", "v@:B" },
    { "UIView", "hitTest:withEvent:", "@@:{CGPoint=dd}@" },
    { "SBBulletinBannerController", "observer:addBulletin:forFeed:playLightsAndSirens:withReply:", "v@:@@QB@" },
    { "SBLockScreenViewController", "prepareForUIUnlock", "v@:" },
    { "SBLockScreenViewController", "finishUIUnlockFromSource:", "v@:i" },
    { "UIApplication", "_handleDeviceOrientationChangedEvent:", "v@:@" },
    { "SBLockScreenManager", "_finishUIUnlockFromSource:withOptions:", "v@:i@" },
    { "SBUserNotificationAlert", "alertView:clickedButtonAtIndex:", "v@:@q" },
    { "SpringBoard", "_handleMenuButtonEvent", "v@:" },
    { "SpringBoard", "noteInterfaceOrientationChanged:duration:", "v@:qd" },
    { "SpringBoard", "applicationDidFinishLaunching:", "v@:@" },
    { "SBApplication", "bundleIdentifier", "@@:" },
    { "SBApplication", "displayIdentifier", "@@:" },
    { "SBApplication", "displayName", "@@:" },
    { "SBApplication", "badgeNumberOrString", "@@:" },
    { "SBApplicationIcon", "initWithApplication:", "@@:@" },
    { "SBApplicationIcon", "getIconImage:", "@@:i" },
    { "SBApplicationController", "applicationWithBundleIdentifier:", "@@:@" },
    { "SBApplicationController", "sharedInstance", "@@:", true },
    { "SBUIController", "sharedInstance", "@@:", true },
    { "SBAlertItemsController", "sharedInstance", "@@:", true },
    { "UIApplication", "sharedApplication", "@@:", true },
    { "UIApplication", "_accessibilityFrontMostApplication", "@@:" },
};

TEST_F(ShellClassesTest, EverySelectorExistsWithItsExactEncoding)
{
    for (auto const& row : kShellSelectors) {
        Class cls = objc_getClass(row.className);
        ASSERT_NE(cls, nullptr) << row.className;
        SEL selector = sel_registerName(row.selector);
        Method method = row.classMethod ? class_getClassMethod(cls, selector) : class_getInstanceMethod(cls, selector);
        ASSERT_NE(method, nullptr) << row.className << " " << row.selector;
        EXPECT_STREQ(method_getTypeEncoding(method), row.types) << row.className << " " << row.selector;
    }
}

TEST_F(ShellClassesTest, ClassesSitInTheShellsHierarchy)
{
    EXPECT_EQ(class_getSuperclass(springboard::SpringBoardClass()), uikit::UIApplicationClass());
    EXPECT_EQ(class_getSuperclass(springboard::SBDeckSwitcherViewControllerClass()), uikit::UIViewControllerClass());
    EXPECT_EQ(class_getSuperclass(springboard::SBLockScreenViewControllerClass()), uikit::UIViewControllerClass());
    // The shell library adds setHidden: to SBApplication; it must find no method there.
    EXPECT_EQ(class_getInstanceMethod(springboard::SBApplicationClass(), "setHidden:"_sel), nullptr);
}

TEST_F(ShellClassesTest, SpringBoardIsTheSharedApplicationAndLaunchesThroughTheRuntime)
{
    auto shell = adopt(static_cast<SpringBoard*>(send<id>(send<id>(springboard::SpringBoardClass(), "alloc"_sel), "init"_sel)));
    EXPECT_EQ(send<id>(uikit::UIApplicationClass(), "sharedApplication"_sel), shell.get());
    EXPECT_EQ(send<id>(springboard::SpringBoardClass(), "sharedApplication"_sel), shell.get());

    send(shell.get(), "applicationDidFinishLaunching:"_sel, static_cast<id>(shell.get()));
    EXPECT_TRUE(shell->finishedLaunching);
    send(shell.get(), "_handleMenuButtonEvent"_sel);
    send(shell.get(), "_handleMenuButtonEvent"_sel);
    EXPECT_EQ(shell->homePressCount, 2);
    send(shell.get(), "noteInterfaceOrientationChanged:duration:"_sel, long { UIInterfaceOrientationLandscapeLeft }, 0.4);
    EXPECT_EQ(shell->interfaceOrientation, UIInterfaceOrientationLandscapeLeft);
    EXPECT_TRUE(systemlog::captured().empty());
}

TEST_F(ShellClassesTest, TheShellsInterfaceOrientationTurnsTheScreenAndRefusesNonsense)
{
    auto shell = adopt(static_cast<SpringBoard*>(send<id>(send<id>(springboard::SpringBoardClass(), "alloc"_sel), "init"_sel)));
    ASSERT_TRUE(uikit::setMainScreenSize(320, 568));
    send(shell.get(), "noteInterfaceOrientationChanged:duration:"_sel, long { UIInterfaceOrientationLandscapeRight }, 0.4);
    EXPECT_EQ(uikit::mainScreenBounds(), CGRectMake(0, 0, 568, 320));
    send(shell.get(), "noteInterfaceOrientationChanged:duration:"_sel, long { UIInterfaceOrientationPortraitUpsideDown }, 0.4);
    EXPECT_EQ(uikit::mainScreenBounds(), CGRectMake(0, 0, 320, 568));
    EXPECT_EQ(shell->interfaceOrientation, UIInterfaceOrientationPortraitUpsideDown);
    EXPECT_TRUE(systemlog::captured().empty()) << "no application in front: nobody else to tell";

    send(shell.get(), "noteInterfaceOrientationChanged:duration:"_sel, 9L, 0.4);
    EXPECT_EQ(shell->interfaceOrientation, UIInterfaceOrientationPortraitUpsideDown);
    EXPECT_EQ(uikit::mainScreenOrientation(), UIInterfaceOrientationPortraitUpsideDown);
    ASSERT_EQ(systemlog::captured().size(), 1u);
    EXPECT_NE(systemlog::capturedMessages().front().find("ignored the interface orientation 9"), std::string::npos);
}

TEST_F(ShellClassesTest, SharedControllersAreMadeOnceUntilReset)
{
    for (Class cls : { springboard::SBApplicationControllerClass(), springboard::SBUIControllerClass(), springboard::SBAlertItemsControllerClass() }) {
        id first = send<id>(cls, "sharedInstance"_sel);
        ASSERT_NE(first, nullptr) << class_getName(cls);
        EXPECT_EQ(first->isa, cls);
        EXPECT_EQ(send<id>(cls, "sharedInstance"_sel), first);
    }
    // Hiding a class's name does not take it from the platform's own references.
    runtime::hideClassName("SBUIController");
    EXPECT_EQ(objc_getClass("SBUIController"), nullptr);
    EXPECT_NE(send<id>(springboard::SBUIControllerClass(), "sharedInstance"_sel), nullptr);
    runtime::clearHiddenClassNames();
}

TEST_F(ShellClassesTest, ApplicationsAreFoundByBundleIdentifierAndGiveTheirIcons)
{
    id controller = send<id>(springboard::SBApplicationControllerClass(), "sharedInstance"_sel);
    SEL const lookup = "applicationWithBundleIdentifier:"_sel;
    EXPECT_EQ(send<id>(controller, lookup, static_cast<id>(NSSTR("com.example.notes"))), nullptr);

    SBApplication* notes = SBApplication::make("com.example.notes", "Notes");
    springboard::installApplication(notes);
    springboard::installApplication(SBApplication::make("com.example.mail", "Mail"));
    EXPECT_EQ(send<id>(controller, lookup, static_cast<id>(NSSTR("com.example.notes"))), notes);
    EXPECT_EQ(send<id>(controller, lookup, nullptr), nullptr);
    EXPECT_EQ(send<id>(controller, lookup, static_cast<id>(NSNumber::numberWithInteger(1))), nullptr);
    EXPECT_TRUE(send<bool>(send<id>(notes, "displayIdentifier"_sel), "isEqualToString:"_sel, static_cast<id>(NSSTR("com.example.notes"))));
    EXPECT_EQ(send<id>(notes, "badgeNumberOrString"_sel), nullptr);

    auto icon = adopt(send<id>(send<id>(springboard::SBApplicationIconClass(), "alloc"_sel), "initWithApplication:"_sel, static_cast<id>(notes)));
    EXPECT_EQ(send<id>(icon.get(), "getIconImage:"_sel, 1), nullptr);
    notes->iconImage = UIImage::make(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 60, 60));
    EXPECT_EQ(send<id>(icon.get(), "getIconImage:"_sel, 1), notes->iconImage.get());

    // An icon for no application (an unknown bundle identifier) gives no image.
    auto orphan = adopt(send<id>(send<id>(springboard::SBApplicationIconClass(), "alloc"_sel), "initWithApplication:"_sel, nullptr));
    EXPECT_EQ(send<id>(orphan.get(), "getIconImage:"_sel, 1), nullptr);
}

TEST_F(ShellClassesTest, DefaultBehavioursRecordWhatTheyWereSent)
{
    auto make = [](Class cls) { return adopt(send<id>(send<id>(cls, "alloc"_sel), "init"_sel)); };
    auto application = adopt(objc_retain(SBApplication::make("com.example.notes", "Notes")));
    send(application.get(), "willActivate"_sel);
    send(application.get(), "willDeactivateForEventsOnly:"_sel, true);
    auto* app = static_cast<SBApplication*>(application.get());
    EXPECT_EQ(app->activationCount, 1);
    EXPECT_EQ(app->deactivationCount, 1);
    EXPECT_TRUE(app->lastDeactivationForEventsOnly);

    auto switcher = make(springboard::SBDeckSwitcherViewControllerClass());
    send(switcher.get(), "viewDidAppear:"_sel, true);
    EXPECT_TRUE(static_cast<SBDeckSwitcherViewController*>(switcher.get())->switcherVisible);
    send(switcher.get(), "animateDismissalToDisplayItem:forTransitionRequest:withCompletion:"_sel, nullptr, nullptr, nullptr);
    EXPECT_FALSE(static_cast<SBDeckSwitcherViewController*>(switcher.get())->switcherVisible);

    auto banners = make(springboard::SBBulletinBannerControllerClass());
    send(banners.get(), "observer:addBulletin:forFeed:playLightsAndSirens:withReply:"_sel, nullptr, static_cast<id>(NSSTR("bulletin")), 2ul, true, nullptr);
    EXPECT_EQ(static_cast<SBBulletinBannerController*>(banners.get())->bulletinCount, 1);

    auto lockScreen = make(springboard::SBLockScreenViewControllerClass());
    send(lockScreen.get(), "prepareForUIUnlock"_sel);
    send(lockScreen.get(), "finishUIUnlockFromSource:"_sel, 7);
    EXPECT_EQ(static_cast<SBLockScreenViewController*>(lockScreen.get())->lastUnlockSource, 7);

    auto manager = make(springboard::SBLockScreenManagerClass());
    send(manager.get(), "_finishUIUnlockFromSource:withOptions:"_sel, 3, nullptr);
    EXPECT_EQ(static_cast<SBLockScreenManager*>(manager.get())->lastUnlockSource, 3);

    auto alert = make(springboard::SBUserNotificationAlertClass());
    send(alert.get(), "alertView:clickedButtonAtIndex:"_sel, nullptr, 1L);
    EXPECT_EQ(static_cast<SBUserNotificationAlert*>(alert.get())->lastClickedButtonIndex, 1);
}

id (*g_previousHitTest)(id, SEL, CGPoint, id);
id hitTestReplacement(id self, SEL selector, CGPoint point, id event) { return callPrevious(g_previousHitTest, self, selector, point, event); }

// A typed replacement with the signature the shell library uses for a row,
// calling through its slot as most of the library's replacements do; one type
// per row, so rows with the same signature keep separate slots.
template <int Row, class... Args>
struct RowSlot {
    static inline void (*previous)(id, SEL, Args...) = nullptr;
    static inline int calls = 0;
    static void replacement(id self, SEL selector, Args... args)
    {
        ++calls;
        callPrevious(previous, self, selector, args...);
    }
};

template <class Row, class... Args>
void hook(Class cls, SEL selector)
{
    MSHookMessageEx(cls, selector, Row::replacement, &Row::previous);
}

FORKED_TEST(ShellReplacements, AllFourteenReplacementsInstallWithTypedHooks)
{
    springboard::registerClasses();
    systemlog::setWritesToStandardError(false);
    using namespace springboard;
    using R1 = RowSlot<1, bool>;
    using R2 = RowSlot<2, id, id, id>;
    using R3 = RowSlot<3>;
    using R4 = RowSlot<4, bool>;
    using R6 = RowSlot<6, id, id, unsigned long, bool, id>;
    using R7 = RowSlot<7>;
    using R8 = RowSlot<8, int>;
    using R9 = RowSlot<9, id>;
    using R10 = RowSlot<10, int, id>;
    using R11 = RowSlot<11, id, long>;
    using R12 = RowSlot<12>;
    using R13 = RowSlot<13, long, double>;
    using R14 = RowSlot<14, id>;

    hook<R1>(SBDeckSwitcherViewControllerClass(), "viewDidAppear:"_sel);
    hook<R2>(SBDeckSwitcherViewControllerClass(), "animateDismissalToDisplayItem:forTransitionRequest:withCompletion:"_sel);
    hook<R3>(SBApplicationClass(), "willActivate"_sel);
    hook<R4>(SBApplicationClass(), "willDeactivateForEventsOnly:"_sel);
    MSHookMessageEx(uikit::UIViewClass(), "hitTest:withEvent:"_sel, hitTestReplacement, &g_previousHitTest);
    hook<R6>(SBBulletinBannerControllerClass(), "observer:addBulletin:forFeed:playLightsAndSirens:withReply:"_sel);
    hook<R7>(SBLockScreenViewControllerClass(), "prepareForUIUnlock"_sel);
    hook<R8>(SBLockScreenViewControllerClass(), "finishUIUnlockFromSource:"_sel);
    hook<R9>(uikit::UIApplicationClass(), "_handleDeviceOrientationChangedEvent:"_sel);
    hook<R10>(SBLockScreenManagerClass(), "_finishUIUnlockFromSource:withOptions:"_sel);
    hook<R11>(SBUserNotificationAlertClass(), "alertView:clickedButtonAtIndex:"_sel);
    hook<R12>(SpringBoardClass(), "_handleMenuButtonEvent"_sel);
    hook<R13>(SpringBoardClass(), "noteInterfaceOrientationChanged:duration:"_sel);
    hook<R14>(SpringBoardClass(), "applicationDidFinishLaunching:"_sel);

    void const* slots[] = { reinterpret_cast<void const*>(R1::previous), reinterpret_cast<void const*>(R2::previous), reinterpret_cast<void const*>(R3::previous),
        reinterpret_cast<void const*>(R4::previous), reinterpret_cast<void const*>(g_previousHitTest), reinterpret_cast<void const*>(R6::previous),
        reinterpret_cast<void const*>(R7::previous), reinterpret_cast<void const*>(R8::previous), reinterpret_cast<void const*>(R9::previous),
        reinterpret_cast<void const*>(R10::previous), reinterpret_cast<void const*>(R11::previous), reinterpret_cast<void const*>(R12::previous),
        reinterpret_cast<void const*>(R13::previous), reinterpret_cast<void const*>(R14::previous) };
    for (size_t i = 0; i < std::size(slots); ++i)
        EXPECT_NE(slots[i], nullptr) << "row " << i + 1;

    // The shell's launch, sent through the runtime, reaches the replacement,
    // which calls the shell's own implementation.
    AutoreleasePool pool;
    auto shell = adopt(static_cast<SpringBoard*>(send<id>(send<id>(SpringBoardClass(), "alloc"_sel), "init"_sel)));
    send(shell.get(), "applicationDidFinishLaunching:"_sel, static_cast<id>(shell.get()));
    EXPECT_EQ(R14::calls, 1);
    EXPECT_TRUE(shell->finishedLaunching);

    // The library adds setHidden: to SBApplication; the class has none of its own.
    EXPECT_TRUE(addMethod(
        SBApplicationClass(), "setHidden:"_sel, +[](id, SEL, bool) {}));
}

}
