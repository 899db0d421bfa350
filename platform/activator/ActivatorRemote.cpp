#include "ActivatorRemote.h"
#include "ActivatorProtocol.h"

#include "foundation/SystemLog.h"
#include "notifications/BusSession.h"

#include <sdbus-c++/sdbus-c++.h>

namespace activator {

namespace {

ActivatorRemote*& remoteInstance()
{
    static ActivatorRemote* remote = nullptr;
    return remote;
}

}

ActivatorRemote& ActivatorRemote::shared()
{
    auto*& remote = remoteInstance();
    if (!remote)
        remote = new ActivatorRemote;
    return *remote;
}

void ActivatorRemote::reset()
{
    delete remoteInstance();
    remoteInstance() = nullptr;
}

bool ActivatorRemote::connect()
{
    if (m_connected)
        return true;
    auto* connection = notifications::BusSession::connection();
    if (!connection)
        return false;
    m_connected = connection->handleSignal(
        wire::kListenersMember, notifications::BusConnection::Addressing::ToThisConnection,
        [](sdbus::Message& message) {
            // The handler outlives a reset instance: the one current takes it.
            if (auto* remote = remoteInstance())
                remote->answerArrived(message);
        },
        true);
    return m_connected;
}

bool ActivatorRemote::requestListeners()
{
    if (!connect())
        return false;
    auto* connection = notifications::BusSession::connection();
    return connection->sendSignal(
               wire::kQueryMember, "", [](sdbus::Message&) {}, true)
        == notifications::BusConnection::SendResult::Sent;
}

bool ActivatorRemote::chooseEvent(const std::string& listener, const std::string& event)
{
    if (!connect())
        return false;
    auto* connection = notifications::BusSession::connection();
    return connection->sendSignal(
               wire::kChooseMember, "", [&](sdbus::Message& message) { message << listener << event; }, true)
        == notifications::BusConnection::SendResult::Sent;
}

void ActivatorRemote::answerArrived(sdbus::Message& message)
{
    std::vector<ListenerDescription> listeners;
    std::string error;
    if (!readListenerDescriptions(message, &listeners, &error)) {
        CFLog(kCFLogLevelError, "activator: ignored an answer from %s: %s", message.getSender().c_str(), error.c_str());
        return;
    }
    m_listeners = std::move(listeners);
    ++m_version;
    if (m_changeHandler)
        m_changeHandler();
}

}
