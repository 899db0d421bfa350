// Loading the shell library into a shell process: observers, the fourteen
// replacements, the eight additions, and one failure line per replacement whose
// class the shell lacks. Each case loads the library into a fresh process.
#include "activator/ActivatorClasses.h"
#include "support/ForkedTest.h"

#include "dispatch/RunLoop.h"
#include "foundation/NSHomeDirectory.h"
#include "foundation/SystemLog.h"
#include "notifications/CFNotificationCenter.h"
#include "runtime/Runtime.h"
#include "springboard/SpringBoardClasses.h"
#include "uikit/UIKit.h"

#include <dlfcn.h>
#include <map>
#include <string>
#include <vector>

namespace {

struct Row {
    const char* className;
    const char* selector;
};

Row const kReplacements[] = {
    { "SBDeckSwitcherViewController", "viewDidAppear:" },
    { "SBDeckSwitcherViewController", "animateDismissalToDisplayItem:forTransitionRequest:withCompletion:" },
    { "SBApplication", "willActivate" },
    { "SBApplication", "willDeactivateForEventsOnly:" },
    { "UIView", "hitTest:withEvent:" },
    { "SBBulletinBannerController", "observer:addBulletin:forFeed:playLightsAndSirens:withReply:" },
    { "SBLockScreenViewController", "prepareForUIUnlock" },
    { "SBLockScreenViewController", "finishUIUnlockFromSource:" },
    { "UIApplication", "_handleDeviceOrientationChangedEvent:" },
    { "SBLockScreenManager", "_finishUIUnlockFromSource:withOptions:" },
    { "SBUserNotificationAlert", "alertView:clickedButtonAtIndex:" },
    { "SpringBoard", "_handleMenuButtonEvent" },
    { "SpringBoard", "noteInterfaceOrientationChanged:duration:" },
    { "SpringBoard", "applicationDidFinishLaunching:" },
};

struct Addition {
    const char* className;
    const char* selector;
    const char* types;
};

Addition const kAdditions[] = {
    { "SBApplication", "setHidden:", "v@:B" },
    { "SpringBoard", "holdGrabber:", "v@:@" },
    { "SpringBoard", "noticeShowKeyboard:", "v@:@" },
    { "SpringBoard", "noticeHideKeyboard:", "v@:@" },
    { "SpringBoard", "handleSwipeFromLeft:", "v@:@" },
    { "SpringBoard", "tapGrabber:", "v@:@" },
    { "SpringBoard", "pullGrabber:", "v@:@" },
    { "SpringBoard", "loadAppInApplicationView:", "v@:@" },
};

std::string failureLine(const char* className)
{
    return std::string("\x1b[1;31m[Drawlet] \x1b[m\x1b[0;31mTweak:1212\x1b[m \x1b[0;30;41mERROR:\x1b[m logos: nil class ") + className;
}

// Class pointers held before any name is hidden, as the platform holds them.
std::map<std::string, Class> g_classes;

void setUpShell()
{
    springboard::registerClasses();
    activator::registerClasses();
    systemlog::reset();
    systemlog::setWritesToStandardError(false);
    dispatch::RunLoop::main().reset(dispatch::RunLoop::ClockMode::Virtual);
    for (auto const& row : kReplacements)
        g_classes[row.className] = objc_getClass(row.className);
    for (auto const& row : kAdditions)
        g_classes[row.className] = objc_getClass(row.className);
}

std::vector<IMP> currentImplementations()
{
    std::vector<IMP> imps;
    for (auto const& row : kReplacements)
        imps.push_back(class_getMethodImplementation(g_classes[row.className], sel_registerName(row.selector)));
    return imps;
}

void loadDrawlet()
{
    std::string path = std::string(DRAWLET_DEVICE_ROOT) + "/Library/MobileSubstrate/DynamicLibraries/Drawlet.so";
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    EXPECT_NE(dlsym(handle, "scaleFactor"), nullptr) << "scaleFactor is exported";
    EXPECT_EQ(dlsym(handle, "updateTweakSettings"), nullptr) << "nothing else is";
}

bool hasOwnMethod(Class cls, const char* selector, const char* types)
{
    auto it = cls->methods.find(sel_registerName(selector));
    return it != cls->methods.end() && std::string(method_getTypeEncoding(it->second)) == types;
}

}

FORKED_TEST(ShellStartup, WithEveryClassPresentAllReplacementsAndAdditionsInstallSilently)
{
    setUpShell();
    auto before = currentImplementations();
    loadDrawlet();
    EXPECT_TRUE(systemlog::captured().empty()) << "no log line";
    auto after = currentImplementations();
    for (size_t i = 0; i < std::size(kReplacements); ++i)
        EXPECT_NE(before[i], after[i]) << kReplacements[i].className << " " << kReplacements[i].selector;
    for (auto const& addition : kAdditions)
        EXPECT_TRUE(hasOwnMethod(g_classes[addition.className], addition.selector, addition.types)) << addition.selector;
}

FORKED_TEST(ShellStartup, WithoutTheShellClassThreeFailureLinesAndTheRestInstalled)
{
    setUpShell();
    runtime::hideClassName("SpringBoard");
    auto before = currentImplementations();
    loadDrawlet();
    auto const& logged = systemlog::captured();
    ASSERT_EQ(logged.size(), 3u);
    for (auto const& entry : logged) {
        EXPECT_EQ(entry.message, failureLine("SpringBoard"));
        EXPECT_EQ(entry.level, kCFLogLevelError);
    }
    auto after = currentImplementations();
    for (size_t i = 0; i < std::size(kReplacements); ++i) {
        bool shellRow = std::string(kReplacements[i].className) == "SpringBoard";
        EXPECT_EQ(before[i] == after[i], shellRow) << kReplacements[i].selector;
    }
    EXPECT_TRUE(hasOwnMethod(g_classes["SBApplication"], "setHidden:", "v@:B"));
    for (auto const& addition : kAdditions) {
        if (std::string(addition.className) != "SpringBoard")
            continue;
        EXPECT_FALSE(hasOwnMethod(g_classes["SpringBoard"], addition.selector, addition.types)) << addition.selector;
    }
}

FORKED_TEST(ShellStartup, EachMissingClassCostsOnlyItsOwnRows)
{
    setUpShell();
    runtime::hideClassName("SBApplication");
    runtime::hideClassName("SBLockScreenViewController");
    loadDrawlet();
    std::vector<std::string> messages = systemlog::capturedMessages();
    std::vector<std::string> expected = { failureLine("SBApplication"), failureLine("SBApplication"),
        failureLine("SBLockScreenViewController"), failureLine("SBLockScreenViewController") };
    EXPECT_EQ(messages, expected) << "one line per row, in the table's order";
    EXPECT_FALSE(hasOwnMethod(g_classes["SBApplication"], "setHidden:", "v@:B")) << "the addition is skipped silently";
    EXPECT_TRUE(hasOwnMethod(g_classes["SpringBoard"], "tapGrabber:", "v@:@"));
}

FORKED_TEST(ShellStartup, ReplacementsKeepTheShellsOwnBehaviourUntilTheirFeaturesAct)
{
    setUpShell();
    loadDrawlet();
    // The shell's own methods still run through the replacements' slots.
    id shell = send<id>(send<id>(g_classes["SpringBoard"], "alloc"_sel), "init"_sel);
    send(shell, "applicationDidFinishLaunching:"_sel, shell);
    id view = send<id>(send<id>(g_classes["UIView"], "alloc"_sel), "initWithFrame:"_sel, CGRectMake(0, 0, 10, 10));
    EXPECT_EQ(send<id>(view, "hitTest:withEvent:"_sel, CGPointMake(5, 5), static_cast<id>(nullptr)), view);
    EXPECT_EQ(send<id>(view, "hitTest:withEvent:"_sel, CGPointMake(50, 5), static_cast<id>(nullptr)), nullptr);
    objc_release(view);
    objc_release(shell);
}

FORKED_TEST(ShellStartup, TheSettingsObserverIsRegisteredAtLoad)
{
    setUpShell();
    char pattern[] = "/tmp/drawlet-startup-test-XXXXXX";
    foundation::setHomeDirectory(mkdtemp(pattern));
    loadDrawlet();
    CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(),
        NSSTR("com.quillbrook.drawlet-preferences/settingschanged"), nullptr, nullptr, true);
    dispatch::RunLoop::main().runFor(0.5);
    std::vector<std::string> drawletLines;
    for (auto const& message : systemlog::capturedMessages()) {
        if (message.starts_with("[Drawlet] "))
            drawletLines.push_back(message);
    }
    ASSERT_EQ(drawletLines.size(), 1u);
    EXPECT_EQ(drawletLines[0], "[Drawlet] updating preferecnes smallGrabber:NO customGrabberColor:NO\tcustomArrowColor:NO!");
}
