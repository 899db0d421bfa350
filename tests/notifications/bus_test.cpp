// Notifications between processes over a private bus started by the test.

#include "NotificationTestSupport.h"

#include "foundation/NSArray.h"
#include "foundation/NSNumber.h"
#include "foundation/PropertyList.h"
#include "notifications/BusProtocol.h"

#include <sdbus-c++/sdbus-c++.h>

using namespace notificationtest;

namespace {

int parentObserver;
int childObserver;

class BusNotifications : public NotificationTest {
protected:
    void SetUp() override
    {
        NotificationTest::SetUp();
        address = notifications::startPrivateBusDaemon();
        ASSERT_FALSE(address.empty());
        ASSERT_TRUE(notifications::connectToBus(address));
    }
    void TearDown() override
    {
        NotificationTest::TearDown();
        notifications::stopPrivateBusDaemon();
    }

    void observe(CFNotificationCenterRef center, const char* name)
    {
        CFNotificationCenterAddObserver(center, &parentObserver, record, name ? string(name) : nullptr, nullptr, CFNotificationSuspensionBehaviorHold);
    }

    bool waitFor(size_t count)
    {
        return runUntil([&] { return received().size() >= count; });
    }

    std::string address;
};

CFNotificationCenterRef darwin() { return CFNotificationCenterGetDarwinNotifyCenter(); }
CFNotificationCenterRef distributed() { return CFNotificationCenterGetDistributedCenter(); }

// In a child: sends every distributed "test.ping" back as "test.pong" with the
// same user info, until "test.quit".
int echoUntilQuit()
{
    static bool quit = false;
    CFNotificationCenterAddObserver(
        distributed(), &childObserver, [](CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef userInfo) {
            CFNotificationCenterPostNotification(distributed(), NSString::make("test.pong"), nullptr, userInfo, true);
        },
        string("test.ping"), nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);
    CFNotificationCenterAddObserver(
        darwin(), &childObserver, [](CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef) {
            quit = true;
        },
        string("test.quit"), nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);
    // Names are arguments: any text, quotes of match rules included.
    CFNotificationCenterPostNotification(darwin(), string("test.ready/it's-100%"), nullptr, nullptr, true);
    return runUntil([] { return quit; }) ? 0 : 1;
}

// Emits a Distributed signal as any process on the bus could, bypassing the centers.
void emitRawDistributed(const std::string& address, const std::function<void(sdbus::Message&)>& fill)
{
    auto connection = sdbus::createSessionBusConnectionWithAddress(address);
    auto object = sdbus::createObject(*connection, notifications::wire::kObjectPath);
    auto signal = object->createSignal(notifications::wire::kInterface, notifications::wire::kDistributedMember);
    fill(signal);
    signal.send();
}

}

TEST_F(BusNotifications, PostsCrossBetweenProcessesWithTheirUserInfoCopied)
{
    observe(darwin(), "test.ready/it's-100%");
    observe(distributed(), "test.pong");
    pid_t child = startChild(address, echoUntilQuit);
    ASSERT_TRUE(waitFor(1));
    EXPECT_EQ(received()[0].name, "test.ready/it's-100%");

    auto* info = NSDictionary::mutableDictionary();
    info->setObject(string("text with ünïcode"), string("string"));
    info->setObject(NSNumber::numberWithBool(true), string("bool"));
    info->setObject(NSNumber::numberWithInteger(-42), string("int"));
    CFNotificationCenterPostNotification(distributed(), string("test.ping"), &parentObserver, info, true);
    ASSERT_TRUE(waitFor(2));

    auto const& pong = received()[1];
    EXPECT_EQ(pong.name, "test.pong");
    // No sender object ever crosses.
    EXPECT_EQ(pong.object, nullptr);
    ASSERT_NE(pong.userInfo.get(), nullptr);
    EXPECT_EQ(foundation::describe(pong.userInfo->objectForKey("string")), "text with ünïcode");
    auto* flag = static_cast<NSNumber*>(pong.userInfo->objectForKey("bool"));
    ASSERT_TRUE(foundation::isKindOf(flag, foundation::NSNumberClass()));
    EXPECT_EQ(flag->kind, NSNumber::Kind::Bool);
    EXPECT_TRUE(flag->boolValue());
    auto* number = static_cast<NSNumber*>(pong.userInfo->objectForKey("int"));
    ASSERT_TRUE(foundation::isKindOf(number, foundation::NSNumberClass()));
    EXPECT_EQ(number->integerValue(), -42);

    CFNotificationCenterPostNotification(darwin(), string("test.quit"), nullptr, nullptr, true);
    EXPECT_EQ(waitForChild(child), 0);
}

TEST_F(BusNotifications, AThousandPostsFromAnotherProcessArriveInOrder)
{
    {
        // Drained before the fork: the child exits with nothing of ours pending.
        AutoreleasePool pool;
        observe(darwin(), nullptr);
        observe(distributed(), "test.order");
    }
    pid_t child = startChild(address, [] {
        for (int i = 0; i < 500; ++i) {
            AutoreleasePool pool;
            CFNotificationCenterPostNotification(darwin(), NSString::make("test.order/" + std::to_string(i)), nullptr, nullptr, true);
            auto* info = NSDictionary::mutableDictionary();
            info->setObject(NSNumber::numberWithInteger(i), NSString::make("index"));
            CFNotificationCenterPostNotification(distributed(), NSString::make("test.order"), nullptr, info, true);
        }
        // Exiting at once: the bus must still read everything first.
        std::exit(0);
        return 1;
    });
    EXPECT_EQ(waitForChild(child), 0);
    ASSERT_TRUE(waitFor(1000)) << received().size() << " arrived";
    ASSERT_EQ(received().size(), 1000u);
    for (int i = 0; i < 500; ++i) {
        ASSERT_EQ(received()[2 * i].name, "test.order/" + std::to_string(i));
        auto* index = static_cast<NSNumber*>(received()[2 * i + 1].userInfo->objectForKey("index"));
        ASSERT_TRUE(foundation::isKindOf(index, foundation::NSNumberClass()));
        ASSERT_EQ(index->integerValue(), i);
    }
}

TEST_F(BusNotifications, LongPayloadsGoOutWholeBothWays)
{
    // Far larger than a socket's buffer: the run loop must keep writing after
    // the post has returned, and a poster that leaves must flush first.
    static const std::string text(1 << 20, 'x');
    observe(darwin(), "test.ready");
    observe(darwin(), "test.long/intact");
    observe(distributed(), "test.long");
    pid_t child = startChild(address, [] {
        static bool intact = false;
        CFNotificationCenterAddObserver(
            distributed(), &childObserver, [](CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef userInfo) {
                intact = foundation::describe(userInfo->objectForKey("text")) == text;
            },
            string("test.toChild"), nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);
        CFNotificationCenterPostNotification(darwin(), string("test.ready"), nullptr, nullptr, true);
        if (!runUntil([] { return intact; }))
            return 1;
        CFNotificationCenterPostNotification(darwin(), string("test.long/intact"), nullptr, nullptr, true);
        auto* info = NSDictionary::mutableDictionary();
        info->setObject(NSString::make(text), NSString::make("text"));
        CFNotificationCenterPostNotification(distributed(), NSString::make("test.long"), nullptr, info, true);
        return 0;
    });
    ASSERT_TRUE(waitFor(1));
    auto* info = NSDictionary::mutableDictionary();
    info->setObject(NSString::make(text), string("text"));
    CFNotificationCenterPostNotification(distributed(), string("test.toChild"), nullptr, info, true);

    EXPECT_EQ(waitForChild(child), 0);
    ASSERT_TRUE(waitFor(3));
    EXPECT_EQ(received()[1].name, "test.long/intact");
    EXPECT_EQ(foundation::describe(received()[2].userInfo->objectForKey("text")), text);
}

TEST_F(BusNotifications, PostsNeverWaitForAStoppedReceiver)
{
    observe(darwin(), "test.ready");
    observe(darwin(), "test.all");
    pid_t child = startChild(address, [] {
        static int count = 0;
        CFNotificationCenterAddObserver(
            distributed(), &childObserver, [](CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef) {
                if (++count == 20)
                    CFNotificationCenterPostNotification(darwin(), string("test.all"), nullptr, nullptr, true);
            },
            string("test.bulk"), nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);
        CFNotificationCenterPostNotification(darwin(), string("test.ready"), nullptr, nullptr, true);
        return runUntil([] { return count == 20; }) ? 0 : 1;
    });
    ASSERT_TRUE(waitFor(1));
    kill(child, SIGSTOP);
    // 2 MB in all, more than the sockets between here and the child can hold;
    // every post returns while the child cannot read.
    auto* info = NSDictionary::mutableDictionary();
    info->setObject(NSString::make(std::string(100'000, 'y')), string("text"));
    for (int i = 0; i < 20; ++i)
        CFNotificationCenterPostNotification(distributed(), string("test.bulk"), nullptr, info, true);
    dispatch::RunLoop::main().runFor(0.05);
    kill(child, SIGCONT);
    EXPECT_TRUE(waitFor(2));
    EXPECT_EQ(waitForChild(child), 0);
}

TEST_F(BusNotifications, MalformedPayloadsAreDroppedWithOneLineEachAndLaterPostsStillArrive)
{
    // Observers from before joining the bus hear it too; a post that both of
    // them match comes in once for each.
    notifications::disconnectFromBus();
    observe(distributed(), nullptr);
    observe(distributed(), "test.good");
    ASSERT_TRUE(notifications::connectToBus(address));
    auto* info = NSDictionary::mutableDictionary();
    info->setObject(string("v"), string("k"));
    auto valid = foundation::encodePropertyListBinary(info);
    ASSERT_FALSE(valid.empty());
    auto* array = NSArray::array();
    array->items.emplace_back(string("not a dictionary"));
    auto arrayRoot = foundation::encodePropertyListBinary(array);
    ASSERT_FALSE(arrayRoot.empty());

    std::vector<uint8_t> garbage { 'b', 'p', 'l', 'i', 's', 't', '0', '0', 0xff, 0x00, 0x13 };
    std::vector<uint8_t> truncated(valid.begin(), valid.begin() + static_cast<long>(valid.size() / 2));
    for (auto const* payload : { &garbage, &truncated, &arrayRoot })
        emitRawDistributed(address, [&](sdbus::Message& m) { m << std::string("test.bad") << *payload << true; });
    // Wrong argument types: a name only, then a number where the payload goes.
    emitRawDistributed(address, [](sdbus::Message& m) { m << std::string("test.bad"); });
    emitRawDistributed(address, [](sdbus::Message& m) { m << std::string("test.bad") << int32_t(5) << true; });
    emitRawDistributed(address, [&](sdbus::Message& m) { m << std::string("test.good") << valid << true; });

    ASSERT_TRUE(waitFor(2));
    dispatch::RunLoop::main().runFor(0.05);
    ASSERT_EQ(received().size(), 2u);
    for (auto const& entry : received()) {
        EXPECT_EQ(entry.name, "test.good");
        EXPECT_EQ(foundation::describe(entry.userInfo->objectForKey("k")), "v");
    }

    auto lines = logLinesContaining("notifications: dropped");
    EXPECT_EQ(lines.size(), 5u);
    for (auto const& line : lines)
        EXPECT_NE(line.rfind("[Drawlet] ", 0), 0u) << line;
}

TEST_F(BusNotifications, ABusThatGoesAwayLeavesDeliveryWithinTheProcess)
{
    observe(darwin(), "test.after");
    notifications::stopPrivateBusDaemon();
    ASSERT_TRUE(runUntil([] { return !notifications::isConnectedToBus(); }));
    EXPECT_EQ(logLinesContaining("the bus went away").size(), 1u);
    CFNotificationCenterPostNotification(darwin(), string("test.after"), nullptr, nullptr, true);
    EXPECT_TRUE(waitFor(1));
}

TEST_F(BusNotifications, AProcessThatAsksExitsWhenItsBusGoesAway)
{
    observe(darwin(), "test.ready");
    pid_t child = startChild(address, [] {
        notifications::exitWhenBusDisconnects(true);
        CFNotificationCenterPostNotification(darwin(), string("test.ready"), nullptr, nullptr, true);
        dispatch::RunLoop::main().runFor(30);
        return 3;
    });
    ASSERT_TRUE(waitFor(1));
    notifications::stopPrivateBusDaemon();
    EXPECT_EQ(waitForChild(child), 0);
}

using BusJoining = NotificationTest;

TEST_F(BusJoining, ABadAddressIsRefusedWithALogLine)
{
    EXPECT_FALSE(notifications::connectToBus("unix:path=/nonexistent/drawlet/socket"));
    EXPECT_FALSE(notifications::isConnectedToBus());
    EXPECT_EQ(logLinesContaining("cannot join the bus").size(), 1u);
}
