#pragma once
// The shell's side of the lock-step in virtual time. Before its clock moves
// on, the shell sends a Tick with the current instant to every participant and
// waits for their answers; while any process (the shell included) sent
// something in a round, another round follows, since what was sent may make
// more work at this instant. Then the clock moves to the earliest instant due
// in any process. A participant silent for longer than the bus's reply timeout,
// or found gone, is dropped with a log line, so it cannot stop the clock.

#include "BusBarrier.h"
#include "BusConnection.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace notifications {

class ClockLeader {
public:
    ClockLeader(BusConnection& connection, BusBarrier& ownBarrier);

    ClockLeader(const ClockLeader&) = delete;
    ClockLeader& operator=(const ClockLeader&) = delete;

    // `label` names the participant in log lines; `isAlive` is asked while
    // waiting for its answer, so a process that has exited is dropped at once.
    void addParticipant(const std::string& uniqueName, const std::string& label, std::function<bool()> isAlive);
    void removeParticipant(const std::string& uniqueName);
    size_t participantCount() const { return m_participants.size(); }

    // Moves every participant's clock to `nanoseconds` at once, without
    // waiting: the run loop's clock-advanced hook.
    void announce(int64_t nanoseconds);

    // The run loop's settle hook: true when a round saw any activity, so the
    // loop runs again at this instant.
    bool settle();
    // The earliest instant a participant's timer is due, or -1.
    int64_t externalDueNanoseconds() const { return m_externalDue; }

private:
    struct Participant {
        std::string uniqueName;
        std::string label;
        std::function<bool()> isAlive;
        bool answered = false;
        uint64_t sent = 0;
        int64_t nextDue = -1;
    };
    void tockArrived(sdbus::Message& message);
    // Waits (in real time, pumping the bus) for every participant's answer
    // to the current round; drops the silent and the gone.
    void collectAnswers();
    void drop(const std::string& uniqueName, const std::string& reason);
    bool sendTick(const Participant& participant, uint64_t round, int64_t nanoseconds);

    BusConnection& m_connection;
    BusBarrier& m_ownBarrier;
    std::vector<Participant> m_participants;
    uint64_t m_round = 0;
    int64_t m_externalDue = -1;
    // Rounds at the current instant, to catch processes that keep each other
    // busy forever.
    int64_t m_roundsInstant = -1;
    int m_roundsAtInstant = 0;
};

}
