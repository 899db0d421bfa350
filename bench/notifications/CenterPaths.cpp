#include "CenterPaths.h"

#include "dispatch/RunLoop.h"
#include "foundation/NSDictionary.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "notifications/Bus.h"
#include "notifications/CFNotificationCenter.h"

#include <unistd.h>

namespace bench {

namespace {

constexpr const char* kPing = "org.drawlet.bench/ping";
constexpr const char* kStatusBar = "com.quillbrook.drawlet.changeHostedAppStatusBar";

// This receiving process's slot; callbacks are plain functions, registered
// with no observer object as an application registers them.
struct Receiver {
    Arrivals* arrivals = nullptr;
    int index = 0;
};
Receiver g_receiver;

void pinged(CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef)
{
    g_receiver.arrivals->stamp(g_receiver.index, monotonicNanoseconds(), 0);
}

void changeHostedAppStatusBar(CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef userInfo)
{
    int64_t const arrived = monotonicNanoseconds();
    bool const hidden = send<bool>(send<id>(userInfo, "valueForKey:"_sel, NSSTR("statusBarHidden")), "boolValue"_sel);
    g_receiver.arrivals->stamp(g_receiver.index, arrived, hidden ? 1 : 0);
}

// Joins the bus afresh (the connection inherited from the sender is left
// alone), observes, answers that it is ready, and runs until the bus goes.
[[noreturn]] void receive(const std::string& address, Arrivals& arrivals, int index, CFNotificationCenterRef center,
    CFNotificationCallback callback, const char* name)
{
    g_receiver = { &arrivals, index };
    notifications::resetCenters();
    dispatch::RunLoop::main().reset();
    if (!notifications::connectToBus(address))
        _exit(2);
    notifications::exitWhenBusDisconnects(true);
    CFNotificationCenterAddObserver(center, nullptr, callback, NSString::makeConstant(name), nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);
    arrivals.answer();
    dispatch::RunLoop::main().run();
    _exit(0);
}

}

void receiveDarwinPings(const std::string& address, Arrivals& arrivals, int index)
{
    receive(address, arrivals, index, CFNotificationCenterGetDarwinNotifyCenter(), pinged, kPing);
}

void postDarwinPing()
{
    CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(), NSSTR(kPing), nullptr, nullptr, true);
}

void receiveStatusBarNotifications(const std::string& address, Arrivals& arrivals, int index)
{
    receive(address, arrivals, index, CFNotificationCenterGetDistributedCenter(), changeHostedAppStatusBar, kStatusBar);
}

void postStatusBarNotification(bool hidden)
{
    auto* userInfo = NSDictionary::mutableDictionary();
    userInfo->setObject(NSNumber::numberWithBool(hidden), NSSTR("statusBarHidden"));
    CFNotificationCenterPostNotification(CFNotificationCenterGetDistributedCenter(), NSSTR(kStatusBar), nullptr, userInfo, true);
}

}
