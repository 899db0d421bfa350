#include "ClockFollower.h"
#include "BusProtocol.h"

#include "dispatch/RunLoop.h"

#include <sdbus-c++/sdbus-c++.h>

namespace notifications {

ClockFollower::ClockFollower(BusConnection& connection)
    : m_connection(connection)
{
    m_connection.handleSignal(
        wire::kTickMember, BusConnection::Addressing::ToThisConnection,
        [this](sdbus::Message& message) { tickArrived(message); }, false);
    dispatch::RunLoop::main().setClockLed(true);
}

ClockFollower::~ClockFollower()
{
    dispatch::RunLoop::main().setClockLed(false);
}

void ClockFollower::tickArrived(sdbus::Message& message)
{
    uint64_t round = 0;
    int64_t nanoseconds = 0;
    message >> round >> nanoseconds;
    if (!message)
        return;
    dispatch::RunLoop::main().advanceClockTo(nanoseconds);
    if (round == 0)
        return;
    // A newer tick replaces an unanswered one: the leader waits for the newest.
    m_pending = PendingTick { message.getSender(), round };
}

bool ClockFollower::settle()
{
    if (!m_pending)
        return false;
    uint64_t const sent = m_connection.sentCount() - m_sentAtLastAnswer;
    int64_t const nextDue = dispatch::RunLoop::main().nextTimerNanoseconds();
    auto const pending = *m_pending;
    m_pending.reset();
    m_sentAtLastAnswer = m_connection.sentCount();
    m_connection.sendSignal(
        wire::kTockMember, pending.leader,
        [&](sdbus::Message& message) { message << pending.round << sent << nextDue; }, false);
    return false;
}

}
