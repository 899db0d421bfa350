#pragma once
// Keeps virtual time from moving on while this process's own posts are still
// on their way through the bus. Installed as the run loop's settle hook: when
// anything was posted since the last barrier, it sends a barrier addressed to
// this process and pumps the bus until it returns; since the bus keeps one
// sender's messages in order, every post sent before it has come back by then.
// (Across processes the same round becomes a lock-step: the shell's barrier
// goes to every participant, and each answers once it is settled.)

#include <cstdint>
#include <string>

namespace notifications {

class BusConnection;

class BusBarrier {
public:
    explicit BusBarrier(BusConnection& connection);

    // The settle hook: true when something arrived, so the loop runs again
    // before moving the clock.
    bool settle();
    void tokenArrived(const std::string& token);

private:
    BusConnection& m_connection;
    uint64_t m_sentAtLastBarrier = 0;
    uint64_t m_nextToken = 1;
    std::string m_awaitedToken;
    bool m_arrived = false;
};

}
