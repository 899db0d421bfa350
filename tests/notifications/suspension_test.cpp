// Suspension behaviours: what a suspended process's observers get, and when.

#include "NotificationTestSupport.h"

using namespace notificationtest;

namespace {

class NotificationSuspension : public NotificationTest {
protected:
    void SetUp() override
    {
        NotificationTest::SetUp();
        auto* darwin = CFNotificationCenterGetDarwinNotifyCenter();
        CFNotificationCenterAddObserver(darwin, &drop, record, nullptr, nullptr, CFNotificationSuspensionBehaviorDrop);
        CFNotificationCenterAddObserver(darwin, &coalesce, record, nullptr, nullptr, CFNotificationSuspensionBehaviorCoalesce);
        CFNotificationCenterAddObserver(darwin, &hold, record, nullptr, nullptr, CFNotificationSuspensionBehaviorHold);
        CFNotificationCenterAddObserver(darwin, &immediate, record, nullptr, nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);
    }
    void post(const char* name, bool deliverImmediately = false)
    {
        CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(), string(name), nullptr, nullptr, deliverImmediately);
    }

    int drop = 0, coalesce = 0, hold = 0, immediate = 0;
};

using Names = std::vector<std::string>;

}

TEST_F(NotificationSuspension, EachBehaviourWhileSuspendedAndOnResume)
{
    notifications::setSuspended(true);
    post("x");
    post("y");
    post("x");
    dispatch::RunLoop::main().drain();
    EXPECT_TRUE(namesFor(&drop).empty());
    EXPECT_TRUE(namesFor(&coalesce).empty());
    EXPECT_TRUE(namesFor(&hold).empty());
    EXPECT_EQ(namesFor(&immediate), (Names { "x", "y", "x" }));

    received().clear();
    notifications::setSuspended(false);
    // Resuming delivers on the run loop, not inside the call.
    EXPECT_TRUE(received().empty());
    post("z");
    dispatch::RunLoop::main().drain();
    EXPECT_EQ(namesFor(&drop), (Names { "z" }));
    EXPECT_EQ(namesFor(&coalesce), (Names { "y", "x", "z" }));
    EXPECT_EQ(namesFor(&hold), (Names { "x", "y", "x", "z" }));
    EXPECT_EQ(namesFor(&immediate), (Names { "z" }));
}

TEST_F(NotificationSuspension, KeptNotificationsStayAheadOfLaterOnes)
{
    notifications::setSuspended(true);
    post("early");
    dispatch::RunLoop::main().drain();
    // Posted while suspended but delivered after resuming: behind what was kept.
    post("late");
    notifications::setSuspended(false);
    dispatch::RunLoop::main().drain();
    EXPECT_EQ(namesFor(&hold), (Names { "early", "late" }));
    EXPECT_EQ(namesFor(&drop), (Names { "late" }));
}

TEST_F(NotificationSuspension, DeliverImmediatelyOnAPostOverridesSuspension)
{
    notifications::setSuspended(true);
    // The Darwin center carries no such flag, as on the phone; the distributed
    // center does.
    auto* distributed = CFNotificationCenterGetDistributedCenter();
    CFNotificationCenterAddObserver(distributed, &drop, record, nullptr, nullptr, CFNotificationSuspensionBehaviorDrop);
    CFNotificationCenterPostNotification(distributed, string("urgent"), nullptr, nullptr, true);
    CFNotificationCenterPostNotification(distributed, string("ordinary"), nullptr, nullptr, false);
    dispatch::RunLoop::main().drain();
    EXPECT_EQ(namesFor(&drop), (Names { "urgent" }));
}

TEST_F(NotificationSuspension, TheLocalCenterIsNotSuspended)
{
    CFNotificationCenterAddObserver(CFNotificationCenterGetLocalCenter(), &drop, record, nullptr, nullptr, CFNotificationSuspensionBehaviorDrop);
    notifications::setSuspended(true);
    CFNotificationCenterPostNotification(CFNotificationCenterGetLocalCenter(), string("own"), nullptr, nullptr, false);
    dispatch::RunLoop::main().drain();
    EXPECT_EQ(namesFor(&drop), (Names { "own" }));
}
