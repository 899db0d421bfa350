#include "ActivatorService.h"
#include "ActivatorProtocol.h"
#include "LAActivator.h"
#include "LAEvent.h"
#include "ListenerDescription.h"

#include "foundation/SystemLog.h"
#include "notifications/BusSession.h"
#include "runtime/AutoreleasePool.h"

#include <sdbus-c++/sdbus-c++.h>

#include <algorithm>

namespace activator {

namespace {

void answer(const std::string& asker)
{
    auto* connection = notifications::BusSession::connection();
    if (!connection)
        return;
    auto const listeners = describeListeners();
    connection->sendSignal(
        wire::kListenersMember, asker, [&](sdbus::Message& message) { writeListenerDescriptions(message, listeners); }, true);
}

void queryArrived(sdbus::Message& message)
{
    answer(message.getSender());
}

void choiceArrived(sdbus::Message& message)
{
    std::string listener;
    std::string event;
    message >> listener >> event;
    if (!message || listener.empty()) {
        CFLog(kCFLogLevelError, "activator: ignored a choice from %s that names no listener", message.getSender().c_str());
        return;
    }
    chooseEventForListener(listener, event);
    answer(message.getSender());
}

id eventNamed(std::string_view name)
{
    return send<id>(LAEventClass(), "eventWithName:"_sel, static_cast<id>(NSString::make(name)));
}

}

bool startService()
{
    auto* connection = notifications::BusSession::connection();
    using Addressing = notifications::BusConnection::Addressing;
    return connection && connection->handleSignal(wire::kQueryMember, Addressing::Broadcast, queryArrived, true)
        && connection->handleSignal(wire::kChooseMember, Addressing::Broadcast, choiceArrived, true);
}

void chooseEventForListener(std::string_view listener, std::string_view event)
{
    AutoreleasePool pool;
    id activator = LASharedActivator;
    for (auto const& assigned : eventsAssignedTo(listener)) {
        if (assigned != event)
            send(activator, "unassignEvent:"_sel, eventNamed(assigned));
    }
    auto const current = eventsAssignedTo(listener);
    if (!event.empty() && std::find(current.begin(), current.end(), event) == current.end())
        send(activator, "assignEvent:toListenerWithName:"_sel, eventNamed(event), static_cast<id>(NSString::make(listener)));
    std::string const listenerText(listener);
    std::string const eventText = event.empty() ? "no event" : std::string(event);
    CFLog(kCFLogLevelNotice, "activator: %s gets %s", listenerText.c_str(), eventText.c_str());
}

}
