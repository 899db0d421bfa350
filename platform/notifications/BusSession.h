#pragma once
// This process's place on the bus: the connection, its barrier for virtual
// time, and what happens when the bus goes away (fall back to delivery within
// the process, or exit). Bus.h is its public face.

#include "BusBarrier.h"
#include "BusConnection.h"
#include "ClockFollower.h"
#include "ClockLeader.h"

#include <memory>
#include <string>

namespace notifications {

class BusSession {
public:
    // The connection the centers post through, or nullptr without a bus.
    static BusConnection* connection();

    static bool open(const std::string& address);
    static void close();
    static void setExitsWhenDisconnected(bool enabled);
    // Virtual time: this process leads the lock-step (the default; with no
    // participants it only waits for its own posts), or follows a leader.
    static ClockLeader* clockLeader();
    static bool followClock();

private:
    BusSession() = default;
    static BusSession& shared();
    void closeConnection();
    void busWentAway(uint64_t serial);

    std::unique_ptr<BusConnection> m_connection;
    std::unique_ptr<BusBarrier> m_barrier;
    std::unique_ptr<ClockLeader> m_leader;
    std::unique_ptr<ClockFollower> m_follower;
    // Tells a lost connection's late report from the current one's.
    uint64_t m_serial = 0;
    bool m_exitsWhenDisconnected = false;
};

}
