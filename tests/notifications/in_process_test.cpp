// Delivery within one process (no bus): order, filters, objects and payloads.

#include "NotificationTestSupport.h"

#include "foundation/NSNumber.h"

using namespace notificationtest;

namespace {

class InProcessNotifications : public NotificationTest { };

int first, second;

}

TEST_F(InProcessNotifications, DeliversOnTheRunLoopInPostOrderAcrossCenters)
{
    auto* darwin = CFNotificationCenterGetDarwinNotifyCenter();
    auto* distributed = CFNotificationCenterGetDistributedCenter();
    auto* local = CFNotificationCenterGetLocalCenter();
    for (auto* center : { darwin, distributed, local })
        CFNotificationCenterAddObserver(center, &first, record, nullptr, nullptr, CFNotificationSuspensionBehaviorHold);

    CFNotificationCenterPostNotification(darwin, string("one"), nullptr, nullptr, true);
    CFNotificationCenterPostNotification(local, string("two"), nullptr, nullptr, true);
    CFNotificationCenterPostNotification(distributed, string("three/with-odd%chars"), nullptr, nullptr, true);
    CFNotificationCenterPostNotification(darwin, string("four"), nullptr, nullptr, false);
    // Never inside the post call.
    EXPECT_TRUE(received().empty());

    dispatch::RunLoop::main().drain();
    EXPECT_EQ(namesFor(&first), (std::vector<std::string> { "one", "two", "three/with-odd%chars", "four" }));
    // Darwin carries no user info; distributed always a dictionary, empty here.
    EXPECT_EQ(received()[0].userInfo.get(), nullptr);
    ASSERT_NE(received()[2].userInfo.get(), nullptr);
    EXPECT_TRUE(received()[2].userInfo->entries.empty());
}

TEST_F(InProcessNotifications, NameFiltersAndObserversOfEveryName)
{
    auto* darwin = CFNotificationCenterGetDarwinNotifyCenter();
    CFNotificationCenterAddObserver(darwin, &first, record, string("a"), nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);
    CFNotificationCenterAddObserver(darwin, &second, record, nullptr, nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);
    // The same registration again is one registration.
    CFNotificationCenterAddObserver(darwin, &first, record, string("a"), nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);

    CFNotificationCenterPostNotification(darwin, string("a"), nullptr, nullptr, true);
    CFNotificationCenterPostNotification(darwin, string("b"), nullptr, nullptr, true);
    // Other centers are other name spaces.
    CFNotificationCenterPostNotification(CFNotificationCenterGetLocalCenter(), string("a"), nullptr, nullptr, true);
    dispatch::RunLoop::main().drain();
    EXPECT_EQ(namesFor(&first), (std::vector<std::string> { "a" }));
    EXPECT_EQ(namesFor(&second), (std::vector<std::string> { "a", "b" }));

    received().clear();
    CFNotificationCenterRemoveObserver(darwin, &second, nullptr, nullptr);
    CFNotificationCenterPostNotification(darwin, string("a"), nullptr, nullptr, true);
    // A post queued before the removal is not delivered after it.
    CFNotificationCenterRemoveObserver(darwin, &first, string("a"), nullptr);
    dispatch::RunLoop::main().drain();
    EXPECT_TRUE(received().empty());
}

TEST_F(InProcessNotifications, OnlyTheLocalCenterPassesTheSenderObject)
{
    int sender = 0, otherSender = 0;
    auto* local = CFNotificationCenterGetLocalCenter();
    auto* darwin = CFNotificationCenterGetDarwinNotifyCenter();
    CFNotificationCenterAddObserver(local, &first, record, string("n"), &sender, CFNotificationSuspensionBehaviorHold);
    CFNotificationCenterAddObserver(darwin, &second, record, string("n"), &sender, CFNotificationSuspensionBehaviorHold);

    auto* info = NSDictionary::mutableDictionary();
    info->setObject(NSNumber::numberWithInteger(7), string("k"));
    CFNotificationCenterPostNotification(local, string("n"), &otherSender, info, true);
    CFNotificationCenterPostNotification(local, string("n"), &sender, info, true);
    CFNotificationCenterPostNotification(darwin, string("n"), &sender, info, true);
    dispatch::RunLoop::main().drain();

    ASSERT_EQ(received().size(), 2u);
    EXPECT_EQ(received()[0].observer, &first);
    EXPECT_EQ(received()[0].object, &sender);
    EXPECT_EQ(received()[0].userInfo.get(), info);
    EXPECT_EQ(received()[1].observer, &second);
    EXPECT_EQ(received()[1].object, nullptr);
    EXPECT_EQ(received()[1].userInfo.get(), nullptr);
}

TEST_F(InProcessNotifications, DistributedUserInfoIsACopyTakenAtThePost)
{
    auto* distributed = CFNotificationCenterGetDistributedCenter();
    CFNotificationCenterAddObserver(distributed, &first, record, string("n"), nullptr, CFNotificationSuspensionBehaviorHold);
    auto* info = NSDictionary::mutableDictionary();
    info->setObject(string("before"), string("text"));
    CFNotificationCenterPostNotification(distributed, string("n"), nullptr, info, true);
    info->setObject(string("after"), string("text"));
    dispatch::RunLoop::main().drain();

    ASSERT_EQ(received().size(), 1u);
    NSDictionary* copy = received()[0].userInfo;
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, info);
    EXPECT_EQ(foundation::describe(copy->objectForKey("text")), "before");
}

TEST_F(InProcessNotifications, ResetForgetsObserversAndQueuedDeliveries)
{
    auto* darwin = CFNotificationCenterGetDarwinNotifyCenter();
    CFNotificationCenterAddObserver(darwin, &first, record, nullptr, nullptr, CFNotificationSuspensionBehaviorHold);
    CFNotificationCenterPostNotification(darwin, string("queued"), nullptr, nullptr, true);
    notifications::resetCenters();
    CFNotificationCenterAddObserver(darwin, &first, record, nullptr, nullptr, CFNotificationSuspensionBehaviorHold);
    dispatch::RunLoop::main().drain();
    EXPECT_TRUE(received().empty());
}
