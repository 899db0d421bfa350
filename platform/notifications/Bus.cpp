#include "Bus.h"
#include "BusSession.h"
#include "PrivateBusDaemon.h"

#include "foundation/SystemLog.h"

#include <memory>

namespace notifications {

namespace {

std::unique_ptr<PrivateBusDaemon>& privateDaemon()
{
    // Destroyed at exit, which ends the daemon with its process.
    static std::unique_ptr<PrivateBusDaemon> daemon;
    return daemon;
}

}

bool connectToBus(const std::string& address)
{
    return BusSession::open(address);
}

void disconnectFromBus()
{
    BusSession::close();
}

bool isConnectedToBus()
{
    return BusSession::connection() != nullptr;
}

void exitWhenBusDisconnects(bool enabled)
{
    BusSession::setExitsWhenDisconnected(enabled);
}

bool followClockOverBus()
{
    return BusSession::followClock();
}

void addClockParticipant(const std::string& uniqueName, const std::string& label, std::function<bool()> isAlive)
{
    if (auto* leader = BusSession::clockLeader())
        leader->addParticipant(uniqueName, label, std::move(isAlive));
}

void removeClockParticipant(const std::string& uniqueName)
{
    if (auto* leader = BusSession::clockLeader())
        leader->removeParticipant(uniqueName);
}

std::string busUniqueName()
{
    auto* connection = BusSession::connection();
    return connection ? connection->uniqueName() : std::string();
}

std::string startPrivateBusDaemon()
{
    auto& daemon = privateDaemon();
    if (daemon)
        return daemon->address();
    std::string error;
    daemon = PrivateBusDaemon::start(&error);
    if (!daemon) {
        CFLog(kCFLogLevelError, "notifications: cannot start a private bus: %s", error.c_str());
        return {};
    }
    return daemon->address();
}

void stopPrivateBusDaemon()
{
    privateDaemon().reset();
}

}
