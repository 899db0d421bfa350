// Virtual time with a bus: a process's own posts come back through the bus
// before its clock moves on, so callbacks run at the instant of the post.

#include "NotificationTestSupport.h"

#include "dispatch/Dispatch.h"

using namespace notificationtest;

namespace {

int observer;

class VirtualTimeOverBus : public NotificationTest {
protected:
    void SetUp() override
    {
        NotificationTest::SetUp();
        address = notifications::startPrivateBusDaemon();
        ASSERT_FALSE(address.empty());
        ASSERT_TRUE(notifications::connectToBus(address));
        dispatch::RunLoop::main().setClockMode(dispatch::RunLoop::ClockMode::Virtual);
        start = dispatch::RunLoop::main().nowNanoseconds();
    }
    void TearDown() override
    {
        NotificationTest::TearDown();
        notifications::stopPrivateBusDaemon();
    }
    std::string address;
    int64_t start = 0;
};

}

TEST_F(VirtualTimeOverBus, CallbacksRunAtThePostsInstant)
{
    auto* darwin = CFNotificationCenterGetDarwinNotifyCenter();
    auto* distributed = CFNotificationCenterGetDistributedCenter();
    CFNotificationCenterAddObserver(darwin, &observer, record, nullptr, nullptr, CFNotificationSuspensionBehaviorHold);
    CFNotificationCenterAddObserver(distributed, &observer, record, nullptr, nullptr, CFNotificationSuspensionBehaviorHold);

    int64_t laterTimerRan = -1;
    dispatch_after(dispatch_time(DISPATCH_TIME_NOW, 500'000'000), dispatch_get_main_queue(), [&] {
        CFNotificationCenterPostNotification(darwin, NSString::make("test.first"), nullptr, nullptr, true);
        CFNotificationCenterPostNotification(distributed, NSString::make("test.second"), nullptr, nullptr, true);
    });
    dispatch_after(dispatch_time(DISPATCH_TIME_NOW, 500'000'001), dispatch_get_main_queue(), [&] {
        laterTimerRan = dispatch::RunLoop::main().nowNanoseconds();
    });
    dispatch::RunLoop::main().runFor(2.0);

    ASSERT_EQ(received().size(), 2u);
    EXPECT_EQ(received()[0].name, "test.first");
    EXPECT_EQ(received()[1].name, "test.second");
    EXPECT_EQ(received()[0].instant, start + 500'000'000);
    EXPECT_EQ(received()[1].instant, start + 500'000'000);
    EXPECT_EQ(laterTimerRan, start + 500'000'001);
    EXPECT_EQ(dispatch::RunLoop::main().nowNanoseconds(), start + 2'000'000'000);
}

TEST_F(VirtualTimeOverBus, ACallbackThatPostsSettlesAtTheSameInstant)
{
    auto* darwin = CFNotificationCenterGetDarwinNotifyCenter();
    CFNotificationCenterAddObserver(
        darwin, &observer, [](CFNotificationCenterRef center, void* who, CFStringRef name, const void* object, CFDictionaryRef info) {
            record(center, who, name, object, info);
            if (received().size() < 5)
                CFNotificationCenterPostNotification(center, NSString::make("test.chain"), nullptr, nullptr, true);
        },
        nullptr, nullptr, CFNotificationSuspensionBehaviorHold);
    dispatch_after(dispatch_time(DISPATCH_TIME_NOW, 1'000'000'000), dispatch_get_main_queue(), [&] {
        CFNotificationCenterPostNotification(darwin, NSString::make("test.chain"), nullptr, nullptr, true);
    });
    dispatch::RunLoop::main().runFor(1.5);
    ASSERT_EQ(received().size(), 5u);
    for (auto const& entry : received())
        EXPECT_EQ(entry.instant, start + 1'000'000'000);
}

// Another process whose clock follows this one: its timers fire at this
// process's instants, in order with this process's own timers.
TEST_F(VirtualTimeOverBus, AFollowersTimersRunAtTheLeadersInstants)
{
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    pid_t follower = startChild(address, [&] {
        auto& loop = dispatch::RunLoop::main();
        loop.setClockMode(dispatch::RunLoop::ClockMode::Virtual);
        if (!notifications::followClockOverBus())
            return 3;
        auto* darwin = CFNotificationCenterGetDarwinNotifyCenter();
        // Timers start from the leader's instant once it says go.
        CFNotificationCenterAddObserver(
            darwin, nullptr, [](CFNotificationCenterRef center, void*, CFStringRef, const void*, CFDictionaryRef) {
                for (int64_t delay : { 250'000'000, 750'000'000 }) {
                    dispatch_after(dispatch_time(DISPATCH_TIME_NOW, delay), dispatch_get_main_queue(), [center] {
                        CFNotificationCenterPostNotification(center, NSString::make("test.tick"), nullptr, nullptr, true);
                    });
                }
            },
            NSString::make("test.go"), nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);
        CFNotificationCenterAddObserver(
            darwin, nullptr, [](CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef) {
                dispatch::RunLoop::main().stop();
            },
            NSString::make("test.stop"), nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);
        std::string const name = notifications::busUniqueName() + "\n";
        if (write(fds[1], name.data(), name.size()) != static_cast<ssize_t>(name.size()))
            return 4;
        loop.run();
        return 0;
    });
    close(fds[1]);
    std::string name;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        name += c;
    close(fds[0]);
    ASSERT_FALSE(name.empty());
    notifications::addClockParticipant(name, "follower", [follower] { return waitpid(follower, nullptr, WNOHANG) == 0; });

    auto* darwin = CFNotificationCenterGetDarwinNotifyCenter();
    CFNotificationCenterAddObserver(darwin, &observer, record, NSString::make("test.tick"), nullptr, CFNotificationSuspensionBehaviorHold);
    CFNotificationCenterPostNotification(darwin, NSString::make("test.go"), nullptr, nullptr, true);
    dispatch_after(dispatch_time(DISPATCH_TIME_NOW, 500'000'000), dispatch_get_main_queue(), [] {
        record(nullptr, nullptr, NSString::make("leader"), nullptr, nullptr);
    });
    dispatch::RunLoop::main().runFor(1.0);

    ASSERT_EQ(received().size(), 3u);
    EXPECT_EQ(received()[0].name, "test.tick");
    EXPECT_EQ(received()[0].instant, start + 250'000'000);
    EXPECT_EQ(received()[1].name, "leader");
    EXPECT_EQ(received()[2].name, "test.tick");
    EXPECT_EQ(received()[2].instant, start + 750'000'000);
    EXPECT_TRUE(logLinesContaining("the clock no longer waits").empty());

    CFNotificationCenterPostNotification(darwin, NSString::make("test.stop"), nullptr, nullptr, true);
    notifications::removeClockParticipant(name);
    EXPECT_EQ(waitForChild(follower), 0);
}
