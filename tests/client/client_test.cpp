// The in-application library loaded into an application process: its four
// replacements and their failure lines, and what the shell's two distributed
// notifications do to the status bar and the log. Each case loads the library
// into a fresh process; posts stay within it (no bus).
#include "support/ForkedTest.h"

#include "dispatch/RunLoop.h"
#include "foundation/NSArray.h"
#include "foundation/NSData.h"
#include "foundation/NSNumber.h"
#include "foundation/SystemLog.h"
#include "notifications/CFNotificationCenter.h"
#include "runtime/AutoreleasePool.h"
#include "uikit/UIKit.h"

#include <dlfcn.h>
#include <string>
#include <vector>

namespace {

struct Row {
    Class (*cls)();
    const char* selector;
};

Row const kReplacements[] = {
    { uikit::UIApplicationClass, "init" },
    { uikit::UIApplicationClass, "_handleApplicationActivationWithScene:transitionContext:completion:" },
    { uikit::UIApplicationClass, "application:willChangeStatusBarOrientation:duration:" },
    { uikit::UIViewControllerClass, "prefersStatusBarHidden" },
};

constexpr const char* kStatusBarName = "com.quillbrook.drawlet.changeHostedAppStatusBar";
constexpr const char* kOrientationName = "com.quillbrook.drawlet.changeHostedAppOrientation";

std::string failureLine(const char* className)
{
    return std::string("\x1b[1;31m[DrawletClient] \x1b[m\x1b[0;31mTweak:101\x1b[m \x1b[0;30;41mERROR:\x1b[m logos: nil class ") + className;
}

void setUpApplicationProcess()
{
    uikit::registerClasses();
    uikit::reset();
    notifications::resetCenters();
    systemlog::reset();
    systemlog::setWritesToStandardError(false);
    dispatch::RunLoop::main().reset(dispatch::RunLoop::ClockMode::Virtual);
}

std::vector<IMP> currentImplementations()
{
    std::vector<IMP> imps;
    for (auto const& row : kReplacements)
        imps.push_back(class_getMethodImplementation(row.cls(), sel_registerName(row.selector)));
    return imps;
}

void loadClient()
{
    std::string path = std::string(DRAWLET_DEVICE_ROOT) + "/Library/MobileSubstrate/DynamicLibraries/DrawletClient.so";
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
}

// Posts on the distributed center, as the shell does, and lets it arrive.
void post(const char* name, const char* key, id value)
{
    auto* info = NSDictionary::mutableDictionary();
    if (value)
        info->setObject(value, NSString::make(key));
    CFNotificationCenterPostNotification(CFNotificationCenterGetDistributedCenter(), NSString::make(name), nullptr, info, true);
    dispatch::RunLoop::main().drain();
}

void postStatusBarHidden(id value) { post(kStatusBarName, "statusBarHidden", value); }

Strong<UIViewController> makeViewController(bool ownAnswer)
{
    auto controller = adopt(static_cast<UIViewController*>(send<id>(send<id>(uikit::UIViewControllerClass(), "alloc"_sel), "init"_sel)));
    controller->statusBarHiddenPreference = ownAnswer;
    return controller;
}

bool prefersHidden(UIViewController* controller) { return send<bool>(controller, "prefersStatusBarHidden"_sel); }

// An application after launch: a key window whose root view controller shows
// its status bar, and a second view controller that would hide it.
struct Application {
    UIApplication* application = uikit::launchApplication(uikit::UIApplicationClass());
    Strong<UIWindow> window = adopt(static_cast<UIWindow*>(send<id>(send<id>(uikit::UIWindowClass(), "alloc"_sel), "initWithFrame:"_sel, CGRectMake(0, 0, 375, 667))));
    Strong<UIViewController> root = makeViewController(false);
    Strong<UIViewController> other = makeViewController(true);

    Application()
    {
        send(window.get(), "setRootViewController:"_sel, static_cast<id>(root.get()));
        send(window.get(), "makeKeyAndVisible"_sel);
    }
};

}

FORKED_TEST(ClientStartup, WithEveryClassPresentTheFourReplacementsInstallSilently)
{
    setUpApplicationProcess();
    auto before = currentImplementations();
    loadClient();
    EXPECT_TRUE(systemlog::captured().empty());
    auto after = currentImplementations();
    for (size_t i = 0; i < std::size(kReplacements); ++i)
        EXPECT_NE(before[i], after[i]) << kReplacements[i].selector;
}

FORKED_TEST(ClientStartup, WithoutTheViewControllerClassOneLineAndTheOtherThreeWork)
{
    AutoreleasePool pool;
    setUpApplicationProcess();
    runtime::hideClassName("UIViewController");
    auto before = currentImplementations();
    loadClient();
    ASSERT_EQ(systemlog::captured().size(), 1u);
    EXPECT_EQ(systemlog::captured()[0].message, failureLine("UIViewController"));
    EXPECT_EQ(systemlog::captured()[0].level, kCFLogLevelError);
    auto after = currentImplementations();
    for (size_t i = 0; i < std::size(kReplacements); ++i)
        EXPECT_EQ(before[i] == after[i], i == 3) << kReplacements[i].selector;

    // View controllers keep their own answers; activation still asks them.
    Application app;
    postStatusBarHidden(NSNumber::numberWithBool(true));
    uikit::activateApplication();
    EXPECT_FALSE(uikit::statusBarHidden());
    app.root->statusBarHiddenPreference = true;
    uikit::activateApplication();
    EXPECT_TRUE(uikit::statusBarHidden());
    EXPECT_EQ(app.application->activationCount, 2);
    uikit::changeStatusBarOrientation(UIInterfaceOrientationPortrait, 0.3);
    EXPECT_EQ(app.application->lastStatusBarOrientation, UIInterfaceOrientationLandscapeLeft);
}

FORKED_TEST(ClientStartup, WithoutTheApplicationClassThreeLinesAndViewControllersStillObey)
{
    AutoreleasePool pool;
    setUpApplicationProcess();
    runtime::hideClassName("UIApplication");
    auto before = currentImplementations();
    loadClient();
    std::vector<std::string> expected(3, failureLine("UIApplication"));
    EXPECT_EQ(systemlog::capturedMessages(), expected);
    auto after = currentImplementations();
    for (size_t i = 0; i < std::size(kReplacements); ++i)
        EXPECT_EQ(before[i] == after[i], i != 3) << kReplacements[i].selector;

    auto controller = makeViewController(false);
    postStatusBarHidden(NSNumber::numberWithBool(true));
    EXPECT_TRUE(prefersHidden(controller.get()));
}

FORKED_TEST(ClientStatusBar, APostTakesEffectAtTheNextActivationForEveryViewController)
{
    AutoreleasePool pool;
    setUpApplicationProcess();
    loadClient();
    Application app;
    uikit::activateApplication();
    EXPECT_FALSE(uikit::statusBarHidden());

    postStatusBarHidden(NSNumber::numberWithBool(true));
    EXPECT_FALSE(uikit::statusBarHidden()) << "nothing on screen changes before UIKit asks";
    uikit::activateApplication();
    EXPECT_EQ(app.application->activationCount, 2) << "the platform's own activation still runs";
    EXPECT_TRUE(uikit::statusBarHidden());
    EXPECT_TRUE(prefersHidden(app.root.get()));
    EXPECT_TRUE(prefersHidden(app.other.get()));

    postStatusBarHidden(NSNumber::numberWithBool(false));
    EXPECT_TRUE(uikit::statusBarHidden());
    uikit::activateApplication();
    EXPECT_FALSE(uikit::statusBarHidden());
    EXPECT_FALSE(prefersHidden(app.root.get())) << "each answers its own again";
    EXPECT_TRUE(prefersHidden(app.other.get()));

    // The pin action's pair: false, then true, leaves the status bar hidden.
    postStatusBarHidden(NSNumber::numberWithBool(false));
    postStatusBarHidden(NSNumber::numberWithBool(true));
    uikit::activateApplication();
    EXPECT_TRUE(uikit::statusBarHidden());
    EXPECT_TRUE(systemlog::captured().empty()) << "the status bar notification logs nothing";
}

FORKED_TEST(ClientStatusBar, ActivationWithoutAKeyWindowOrRootViewControllerDoesNothingMore)
{
    AutoreleasePool pool;
    setUpApplicationProcess();
    loadClient();
    UIApplication* application = uikit::launchApplication(uikit::UIApplicationClass());
    postStatusBarHidden(NSNumber::numberWithBool(true));
    uikit::activateApplication();
    auto window = adopt(static_cast<UIWindow*>(send<id>(send<id>(uikit::UIWindowClass(), "alloc"_sel), "initWithFrame:"_sel, CGRectMake(0, 0, 10, 10))));
    send(window.get(), "makeKeyAndVisible"_sel);
    uikit::activateApplication();
    EXPECT_EQ(application->activationCount, 2);
    EXPECT_FALSE(uikit::statusBarHidden());
}

FORKED_TEST(ClientOrientation, AnOrientationPostOnlyWritesItsLogLine)
{
    AutoreleasePool pool;
    setUpApplicationProcess();
    loadClient();
    Application app;
    post(kOrientationName, "orientation", NSNumber::numberWithInteger(3));
    EXPECT_EQ(systemlog::capturedMessages(), std::vector<std::string> { "[Drawlet] should rotate to orientation: 3" });
    EXPECT_EQ(app.application->statusBarOrientationChangeCount, 0);
    EXPECT_FALSE(uikit::statusBarHidden());
}

FORKED_TEST(ClientOrientation, WhileHiddenAStatusBarRotationBecomesLandscapeLeftOverTenSeconds)
{
    AutoreleasePool pool;
    setUpApplicationProcess();
    loadClient();
    Application app;
    id stranger = NSString::make("another application");

    send(app.application, "application:willChangeStatusBarOrientation:duration:"_sel, stranger, 3L, 0.25);
    EXPECT_EQ(app.application->lastStatusBarOrientationApplication, stranger) << "shown: arguments unchanged";
    EXPECT_EQ(app.application->lastStatusBarOrientation, 3);
    EXPECT_EQ(app.application->lastStatusBarOrientationDuration, 0.25);

    postStatusBarHidden(NSNumber::numberWithBool(true));
    send(app.application, "application:willChangeStatusBarOrientation:duration:"_sel, stranger, 1L, 0.25);
    EXPECT_EQ(app.application->statusBarOrientationChangeCount, 2);
    EXPECT_EQ(app.application->lastStatusBarOrientationApplication, app.application) << "the application recorded at init";
    EXPECT_EQ(app.application->lastStatusBarOrientation, UIInterfaceOrientationLandscapeLeft);
    EXPECT_EQ(app.application->lastStatusBarOrientationDuration, 10.0);
}

FORKED_TEST(ClientPayload, OnlyNumbersAndStringsAreReadEverythingElseIsMissing)
{
    AutoreleasePool pool;
    setUpApplicationProcess();
    loadClient();
    auto controller = makeViewController(false);
    auto hiddenAfter = [&](id value) {
        postStatusBarHidden(NSNumber::numberWithBool(true));
        postStatusBarHidden(value);
        return prefersHidden(controller.get());
    };
    EXPECT_TRUE(hiddenAfter(NSNumber::numberWithInteger(2)));
    EXPECT_TRUE(hiddenAfter(NSString::make("YES"))) << "a string converts as Foundation's boolValue";
    EXPECT_FALSE(hiddenAfter(NSString::make("NO")));
    EXPECT_FALSE(hiddenAfter(NSDictionary::dictionary()));
    EXPECT_FALSE(hiddenAfter(NSArray::array()));
    EXPECT_FALSE(hiddenAfter(NSData::make({ 1 })));
    EXPECT_FALSE(hiddenAfter(nullptr)) << "absent";

    EXPECT_FALSE(hiddenAfter(NSString::make(std::string(1 << 20, 'x'))));
    EXPECT_TRUE(hiddenAfter(NSString::make("Y" + std::string(1 << 20, 'x'))));

    post(kOrientationName, "orientation", NSString::make("2"));
    post(kOrientationName, "orientation", NSArray::array());
    post(kOrientationName, "orientation", NSString::make(std::string(1 << 20, '9')));
    post(kOrientationName, "orientation", NSNumber::numberWithDouble(3.9));
    std::vector<std::string> expected = {
        "[Drawlet] should rotate to orientation: 2",
        "[Drawlet] should rotate to orientation: 0",
        "[Drawlet] should rotate to orientation: 2147483647",
        "[Drawlet] should rotate to orientation: 3",
    };
    EXPECT_EQ(systemlog::capturedMessages(), expected);
}
