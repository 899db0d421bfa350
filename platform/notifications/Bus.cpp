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
