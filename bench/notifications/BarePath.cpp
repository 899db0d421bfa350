#include "BarePath.h"

#include <sdbus-c++/sdbus-c++.h>

#include <poll.h>
#include <unistd.h>

namespace bench {

namespace {

constexpr const char* kPath = "/org/drawlet/Bench";
constexpr const char* kInterface = "org.drawlet.Bench";
constexpr const char* kMember = "StatusBar";

}

void receiveBareSignals(const std::string& address, Arrivals& arrivals, int index)
{
    try {
        auto connection = sdbus::createSessionBusConnectionWithAddress(address);
        // Adding a match waits for the bus's answer: once it returns, no
        // signal can be missed.
        auto slot = connection->addMatch(std::string("type='signal',interface='") + kInterface + "',member='" + kMember + "'", [&](sdbus::Message& message) {
            int64_t const arrived = monotonicNanoseconds();
            bool value = false;
            message >> value;
            arrivals.stamp(index, arrived, value ? 1 : 0);
        });
        arrivals.answer();
        while (true) {
            while (connection->processPendingRequest()) { }
            auto poll = connection->getEventLoopPollData();
            pollfd descriptor { poll.fd, poll.events, 0 };
            ::poll(&descriptor, 1, -1);
        }
    } catch (const sdbus::Error&) {
        // The bus went away: the benchmark is over.
    }
    _exit(0);
}

BareSignalSender::BareSignalSender(const std::string& address)
    : m_connection(sdbus::createSessionBusConnectionWithAddress(address))
    , m_object(sdbus::createObject(*m_connection, kPath))
{
}

BareSignalSender::~BareSignalSender() = default;

void BareSignalSender::post(bool value)
{
    auto signal = m_object->createSignal(kInterface, kMember);
    signal << value;
    signal.send();
}

}
