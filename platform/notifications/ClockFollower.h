#pragma once
// An application's side of the lock-step in virtual time: its run loop's clock
// is led by the shell's. Each Tick moves the clock to the leader's instant;
// once everything due by then has run, the answer (Tock) says how many
// messages this process sent meanwhile and when its next timer is due.

#include "BusConnection.h"

#include <cstdint>
#include <optional>
#include <string>

namespace notifications {

class ClockFollower {
public:
    explicit ClockFollower(BusConnection& connection);
    ~ClockFollower();

    ClockFollower(const ClockFollower&) = delete;
    ClockFollower& operator=(const ClockFollower&) = delete;

    // The run loop's settle hook while led: answers the pending Tick, if any.
    bool settle();

private:
    struct PendingTick {
        std::string leader;
        uint64_t round;
    };
    void tickArrived(sdbus::Message& message);

    BusConnection& m_connection;
    uint64_t m_sentAtLastAnswer = 0;
    std::optional<PendingTick> m_pending;
};

}
