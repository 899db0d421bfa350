#include "ClockLeader.h"
#include "BusProtocol.h"

#include "dispatch/RunLoop.h"
#include "foundation/SystemLog.h"

#include <sdbus-c++/sdbus-c++.h>

#include <algorithm>
#include <chrono>

namespace notifications {

namespace {

// Rounds at one instant after which the processes are taken to be keeping
// each other busy for ever, and time moves on anyway.
constexpr int kRoundsPerInstantLimit = 10'000;
// How often a silent participant's process is checked while waiting.
constexpr int kAliveCheckMilliseconds = 50;

}

ClockLeader::ClockLeader(BusConnection& connection, BusBarrier& ownBarrier)
    : m_connection(connection)
    , m_ownBarrier(ownBarrier)
{
    m_connection.handleSignal(
        wire::kTockMember, BusConnection::Addressing::ToThisConnection,
        [this](sdbus::Message& message) { tockArrived(message); }, false);
}

void ClockLeader::addParticipant(const std::string& uniqueName, const std::string& label, std::function<bool()> isAlive)
{
    removeParticipant(uniqueName);
    m_participants.push_back({ uniqueName, label, std::move(isAlive) });
    // It catches up before anything else this process sends reaches it.
    sendTick(m_participants.back(), 0, dispatch::RunLoop::main().nowNanoseconds());
}

bool ClockLeader::sendTick(const Participant& participant, uint64_t round, int64_t nanoseconds)
{
    auto result = m_connection.sendSignal(
        wire::kTickMember, participant.uniqueName,
        [&](sdbus::Message& message) { message << round << nanoseconds; }, false);
    return result == BusConnection::SendResult::Sent;
}

void ClockLeader::announce(int64_t nanoseconds)
{
    for (auto const& participant : m_participants)
        sendTick(participant, 0, nanoseconds);
}

void ClockLeader::removeParticipant(const std::string& uniqueName)
{
    std::erase_if(m_participants, [&](const Participant& participant) { return participant.uniqueName == uniqueName; });
    if (m_participants.empty())
        m_externalDue = -1;
}

void ClockLeader::drop(const std::string& uniqueName, const std::string& reason)
{
    auto it = std::find_if(m_participants.begin(), m_participants.end(), [&](const Participant& participant) { return participant.uniqueName == uniqueName; });
    if (it == m_participants.end())
        return;
    CFLog(kCFLogLevelError, "notifications: %s %s; the clock no longer waits for it", it->label.c_str(), reason.c_str());
    m_participants.erase(it);
}

void ClockLeader::tockArrived(sdbus::Message& message)
{
    uint64_t round = 0;
    uint64_t sent = 0;
    int64_t nextDue = -1;
    message >> round >> sent >> nextDue;
    if (!message || round != m_round)
        return;
    std::string const sender = message.getSender();
    for (auto& participant : m_participants) {
        if (participant.uniqueName != sender)
            continue;
        participant.answered = true;
        participant.sent = sent;
        participant.nextDue = nextDue;
    }
}

void ClockLeader::collectAnswers()
{
    using Clock = std::chrono::steady_clock;
    auto const deadline = Clock::now() + std::chrono::milliseconds(BusConnection::replyTimeoutMilliseconds());
    for (;;) {
        std::vector<std::string> gone;
        bool waiting = false;
        for (auto const& participant : m_participants) {
            if (participant.answered)
                continue;
            if (participant.isAlive && !participant.isAlive())
                gone.push_back(participant.uniqueName);
            else
                waiting = true;
        }
        for (auto const& name : gone)
            drop(name, "has exited");
        if (!waiting || m_connection.isDisconnected())
            return;
        if (Clock::now() >= deadline)
            break;
        m_connection.pump(kAliveCheckMilliseconds);
    }
    std::vector<std::string> silent;
    for (auto const& participant : m_participants) {
        if (!participant.answered)
            silent.push_back(participant.uniqueName);
    }
    for (auto const& name : silent)
        drop(name, "did not answer the clock within " + std::to_string(BusConnection::replyTimeoutMilliseconds()) + " ms");
}

bool ClockLeader::settle()
{
    // The shell's own posts come back to it first.
    bool activity = m_ownBarrier.settle();
    if (m_participants.empty())
        return activity;

    auto& loop = dispatch::RunLoop::main();
    int64_t const now = loop.nowNanoseconds();
    if (now != m_roundsInstant) {
        m_roundsInstant = now;
        m_roundsAtInstant = 0;
    }
    if (++m_roundsAtInstant > kRoundsPerInstantLimit) {
        if (m_roundsAtInstant == kRoundsPerInstantLimit + 1)
            CFLog(kCFLogLevelError, "notifications: processes kept sending for %d rounds at one instant; time moves on", kRoundsPerInstantLimit);
        return false;
    }

    uint64_t const receivedBefore = m_connection.receivedCount();
    uint64_t const sentBefore = m_connection.sentCount();
    uint64_t const round = ++m_round;
    std::vector<std::string> unreachable;
    for (auto& participant : m_participants) {
        participant.answered = false;
        participant.sent = 0;
        if (!sendTick(participant, round, now))
            unreachable.push_back(participant.uniqueName);
    }
    for (auto const& name : unreachable)
        drop(name, "cannot be reached over the bus");
    collectAnswers();

    m_externalDue = -1;
    for (auto const& participant : m_participants) {
        // Work due now that has not run yet asks for another round as well.
        activity = activity || participant.sent > 0 || (participant.nextDue >= 0 && participant.nextDue <= now);
        if (participant.nextDue >= 0 && (m_externalDue < 0 || participant.nextDue < m_externalDue))
            m_externalDue = participant.nextDue;
    }
    return activity || m_connection.receivedCount() != receivedBefore || m_connection.sentCount() != sentBefore;
}

}
