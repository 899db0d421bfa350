#include "BusSession.h"
#include "NotificationCenter.h"
#include "UserInfoCoding.h"

#include "dispatch/RunLoop.h"
#include "foundation/SystemLog.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace notifications {

namespace {

BusConnection::Receivers centerReceivers()
{
    BusConnection::Receivers receivers;
    receivers.darwin = [](std::string name) {
        NotificationCenter::darwin().deliverLater(std::move(name), nullptr, nullptr, false);
    };
    receivers.distributed = [](std::string name, const std::vector<uint8_t>& payload, bool deliverImmediately) {
        if (NSDictionary* userInfo = decodeUserInfo(payload, name))
            NotificationCenter::distributed().deliverLater(std::move(name), nullptr, userInfo, deliverImmediately);
    };
    return receivers;
}

}

BusSession& BusSession::shared()
{
    static auto* session = new BusSession;
    return *session;
}

BusConnection* BusSession::connection()
{
    auto& session = shared();
    if (!session.m_connection || session.m_connection->isDisconnected())
        return nullptr;
    return session.m_connection.get();
}

bool BusSession::open(const std::string& address)
{
    auto& session = shared();
    session.closeConnection();

    auto receivers = centerReceivers();
    receivers.barrier = [](const std::string& token) {
        if (auto& barrier = shared().m_barrier)
            barrier->tokenArrived(token);
    };
    std::string error;
    auto connection = BusConnection::open(address, std::move(receivers), &error);
    if (!connection) {
        CFLog(kCFLogLevelError, "notifications: cannot join the bus at \"%s\": %s", address.c_str(), error.c_str());
        return false;
    }
    // At exit the connection is closed, which waits until the bus has read
    // what this process sent. Registered after sdbus-c++ has set itself up, so
    // this runs before anything of it is torn down.
    static bool closesAtExit = [] { return std::atexit([] { BusSession::close(); }) == 0; }();
    (void)closesAtExit;
    uint64_t serial = ++session.m_serial;
    connection->setDisconnectHandler([serial] { shared().busWentAway(serial); });
    session.m_connection = std::move(connection);
    session.m_barrier = std::make_unique<BusBarrier>(*session.m_connection);
    session.m_leader = std::make_unique<ClockLeader>(*session.m_connection, *session.m_barrier);

    NotificationCenter::darwin().listenOnBus();
    NotificationCenter::distributed().listenOnBus();

    auto& loop = dispatch::RunLoop::main();
    loop.addSource(session.m_connection.get());
    loop.setSettleHook([] {
        auto& leader = shared().m_leader;
        return leader && leader->settle();
    });
    loop.setExternalDueHook([] {
        auto& leader = shared().m_leader;
        return leader ? leader->externalDueNanoseconds() : -1;
    });
    loop.setClockAdvancedHook([](int64_t nanoseconds) {
        if (auto& leader = shared().m_leader)
            leader->announce(nanoseconds);
    });
    return true;
}

ClockLeader* BusSession::clockLeader()
{
    auto& session = shared();
    return session.m_connection ? session.m_leader.get() : nullptr;
}

bool BusSession::followClock()
{
    auto& session = shared();
    if (!session.m_connection || session.m_connection->isDisconnected())
        return false;
    session.m_leader.reset();
    session.m_follower = std::make_unique<ClockFollower>(*session.m_connection);
    auto& loop = dispatch::RunLoop::main();
    loop.setExternalDueHook(nullptr);
    loop.setClockAdvancedHook(nullptr);
    loop.setSettleHook([] {
        auto& follower = shared().m_follower;
        return follower && follower->settle();
    });
    return true;
}

void BusSession::close()
{
    shared().closeConnection();
}

void BusSession::setExitsWhenDisconnected(bool enabled)
{
    shared().m_exitsWhenDisconnected = enabled;
}

void BusSession::closeConnection()
{
    if (!m_connection)
        return;
    auto& loop = dispatch::RunLoop::main();
    loop.setSettleHook(nullptr);
    loop.setExternalDueHook(nullptr);
    loop.setClockAdvancedHook(nullptr);
    m_follower.reset();
    m_leader.reset();
    m_barrier.reset();
    m_connection.reset();
    ++m_serial;
}

void BusSession::busWentAway(uint64_t serial)
{
    if (serial != m_serial || !m_connection)
        return;
    closeConnection();
    if (m_exitsWhenDisconnected) {
        CFLog(kCFLogLevelNotice, "notifications: the bus went away; exiting");
        // Ends here, in the middle of a run-loop callback: no static
        // destructors or exit handlers to run against a half-unwound state.
        std::fflush(nullptr);
        _exit(EXIT_SUCCESS);
    }
    CFLog(kCFLogLevelError, "notifications: the bus went away; notifications stay within this process");
}

}
