#include "BusBarrier.h"
#include "BusConnection.h"

#include "foundation/SystemLog.h"

#include <chrono>
#include <unistd.h>

namespace notifications {

BusBarrier::BusBarrier(BusConnection& connection)
    : m_connection(connection)
    , m_sentAtLastBarrier(connection.sentCount())
{
}

bool BusBarrier::settle()
{
    if (m_connection.isDisconnected() || m_connection.sentCount() == m_sentAtLastBarrier)
        return false;
    m_sentAtLastBarrier = m_connection.sentCount();
    uint64_t receivedBefore = m_connection.receivedCount();

    m_awaitedToken = std::to_string(getpid()) + "-" + std::to_string(m_nextToken++);
    m_arrived = false;
    if (m_connection.sendBarrier(m_awaitedToken) != BusConnection::SendResult::Sent)
        return m_connection.receivedCount() != receivedBefore;

    auto start = std::chrono::steady_clock::now();
    auto deadline = start + std::chrono::milliseconds(BusConnection::replyTimeoutMilliseconds());
    while (!m_arrived && !m_connection.isDisconnected()) {
        auto remaining = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (remaining <= 0) {
            CFLog(kCFLogLevelError, "notifications: the bus did not return a barrier within %d ms; time moves on", BusConnection::replyTimeoutMilliseconds());
            break;
        }
        m_connection.pump(static_cast<int>(remaining));
    }
    return m_connection.receivedCount() != receivedBefore;
}

void BusBarrier::tokenArrived(const std::string& token)
{
    if (token == m_awaitedToken)
        m_arrived = true;
}

}
