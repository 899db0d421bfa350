#include "DeviceLock.h"

#include "ApplicationLifecycle.h"
#include "OnScreenKeyboard.h"
#include "SBLockScreenManager.h"
#include "SBLockScreenViewController.h"
#include "SharedInstances.h"
#include "ShellViews.h"

#include "dispatch/Dispatch.h"
#include "foundation/SystemLog.h"
#include "foundation/WallClock.h"
#include "notifications/CFNotificationCenter.h"
#include "uikit/UIColor.h"
#include "uikit/UIScreen.h"
#include "uikit/UISwipeGestureRecognizer.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace springboard {

namespace {

constexpr const char* kLockStateNotification = "com.apple.springboard.lockstate";
constexpr const char* kLockCompleteNotification = "com.apple.springboard.lockcomplete";

struct LockScreen {
    Strong<UIWindow> window;
    Strong<objc_object> viewController;
    UILabel* time = nullptr;
    UILabel* date = nullptr;
};

struct DeviceLockState {
    bool locked = false;
    LockScreen screen;
    // Each lock starts a new generation: a clock update scheduled under an
    // earlier one finds itself stale and stops.
    uint64_t generation = 0;
};

DeviceLockState& deviceLockState()
{
    static DeviceLockState shared;
    return shared;
}

void postDarwin(const char* name)
{
    CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(), NSString::make(name), nullptr, nullptr, true);
}

void showTime()
{
    auto& screen = deviceLockState().screen;
    std::time_t const now = static_cast<std::time_t>(foundation::wallClockNow());
    std::tm const local = foundation::wallClockLocalTime(now);
    std::array<char, 16> time {};
    std::strftime(time.data(), time.size(), "%H:%M", &local);
    std::array<char, 48> date {};
    std::strftime(date.data(), date.size(), "%A, %d %B", &local);
    send(static_cast<id>(screen.time), "setText:"_sel, static_cast<id>(NSString::make(time.data())));
    send(static_cast<id>(screen.date), "setText:"_sel, static_cast<id>(NSString::make(date.data())));
}

// The time changes at each whole minute of the wall clock, while locked.
void scheduleClockUpdate(uint64_t generation)
{
    double const now = foundation::wallClockNow();
    double const untilNextMinute = std::floor(now / 60) * 60 + 60 - now;
    dispatch_after(dispatch_time(DISPATCH_TIME_NOW, static_cast<int64_t>(untilNextMinute * 1e9) + 1), dispatch_get_main_queue(), [generation] {
        if (generation != deviceLockState().generation || !deviceLockState().locked)
            return;
        showTime();
        scheduleClockUpdate(generation);
    });
}

// The lock screen's views, laid out for the screen as it is now.
void buildLockScreen()
{
    auto& screen = deviceLockState().screen;
    if (!screen.viewController)
        screen.viewController = adopt(send<id>(send<id>(SBLockScreenViewControllerClass(), "alloc"_sel), "init"_sel));
    screen.window = makeShellWindow(kLockScreenWindowLevel);
    CGSize const size = uikit::mainScreenBounds().size;
    UIView* root = addView(screen.window.get(), { { 0, 0 }, size }, UIColor::make(0.07, 0.09, 0.15, 1));
    send(screen.viewController.get(), "setView:"_sel, static_cast<id>(root));
    UIColor* white = UIColor::make(1, 1, 1, 1);
    screen.time = addLabel(root, { { 0, size.height * 0.12 }, { size.width, 80 } }, "", { 64, false, white });
    screen.date = addLabel(root, { { 0, size.height * 0.12 + 80 }, { size.width, 24 } }, "", { 18, false, white });
    addLabel(root, { { 0, size.height - 80 }, { size.width, 30 } }, "slide to unlock \u203A", { 20, false, UIColor::make(1, 1, 1, 0.75) });
    id swipe = addRecognizer(root, uikit::UISwipeGestureRecognizerClass(), screen.viewController.get(), "_handleUnlockSwipe:"_sel);
    send(swipe, "setDirection:"_sel, static_cast<unsigned long>(UISwipeGestureRecognizerDirectionRight));
    showTime();
}

}

bool isDeviceLocked()
{
    return deviceLockState().locked;
}

bool lockDevice()
{
    auto& shared = deviceLockState();
    if (shared.locked)
        return false;
    shared.locked = true;
    ++shared.generation;
    hideKeyboard();
    postDarwin(kLockStateNotification);
    postDarwin(kLockCompleteNotification);
    buildLockScreen();
    send(static_cast<id>(shared.screen.window.get()), "setHidden:"_sel, false);
    scheduleClockUpdate(shared.generation);
    systemlog::write(kCFLogLevelNotice, "springboard: locked");
    frontApplicationStopsReceivingEvents();
    return true;
}

bool unlockDevice(int source)
{
    auto& shared = deviceLockState();
    if (!shared.locked)
        return false;
    id viewController = shared.screen.viewController.get();
    send(viewController, "prepareForUIUnlock"_sel);
    send(viewController, "finishUIUnlockFromSource:"_sel, source);
    id manager = sharedInstanceOf(SBLockScreenManagerClass());
    auto options = adopt(send<id>(send<id>(foundation::NSDictionaryClass(), "alloc"_sel), "init"_sel));
    send(manager, "_finishUIUnlockFromSource:withOptions:"_sel, source, options.get());
    shared.locked = false;
    ++shared.generation;
    postDarwin(kLockStateNotification);
    if (shared.screen.window)
        send(static_cast<id>(shared.screen.window.get()), "setHidden:"_sel, true);
    shared.screen.window = nullptr;
    systemlog::write(kCFLogLevelNotice, "springboard: unlocked");
    frontApplicationMayReceiveEventsAgain();
    return true;
}

id lockScreenViewController()
{
    return deviceLockState().screen.viewController.get();
}

void layOutLockScreen()
{
    auto& shared = deviceLockState();
    if (!shared.locked)
        return;
    send(static_cast<id>(shared.screen.window.get()), "setHidden:"_sel, true);
    buildLockScreen();
    send(static_cast<id>(shared.screen.window.get()), "setHidden:"_sel, false);
}

void resetDeviceLock()
{
    auto& shared = deviceLockState();
    if (shared.screen.window)
        send(static_cast<id>(shared.screen.window.get()), "setHidden:"_sel, true);
    uint64_t const generation = shared.generation + 1;
    shared = {};
    shared.generation = generation;
}

}
