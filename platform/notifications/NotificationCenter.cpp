#include "NotificationCenter.h"
#include "BusConnection.h"
#include "BusSession.h"
#include "Suspension.h"
#include "UserInfoCoding.h"

#include "dispatch/RunLoop.h"
#include "runtime/Strong.h"

#include <algorithm>

namespace notifications {

NotificationCenter& NotificationCenter::darwin()
{
    static auto* center = new NotificationCenter(Kind::Darwin);
    return *center;
}

NotificationCenter& NotificationCenter::distributed()
{
    static auto* center = new NotificationCenter(Kind::Distributed);
    return *center;
}

NotificationCenter& NotificationCenter::local()
{
    static auto* center = new NotificationCenter(Kind::Local);
    return *center;
}

NotificationCenter* NotificationCenter::from(CFNotificationCenterRef center)
{
    for (auto* known : { &darwin(), &distributed(), &local() }) {
        if (center == known)
            return known;
    }
    return nullptr;
}

void NotificationCenter::addObserver(const void* observer, CFNotificationCallback callback, std::optional<std::string> name, const void* object,
    CFNotificationSuspensionBehavior behavior)
{
    if (!callback)
        return;
    if (crossesProcesses())
        object = nullptr;
    for (auto& existing : m_observers) {
        if (existing.observer == observer && existing.callback == callback && existing.name == name && existing.object == object) {
            existing.behavior = behavior;
            return;
        }
    }
    m_observers.push_back({ m_nextRegistration++, observer, callback, std::move(name), object, behavior });
    listenOnBus(m_observers.back());
}

void NotificationCenter::removeObserver(const void* observer, const std::optional<std::string>& name, const void* object)
{
    std::erase_if(m_observers, [&](const Observer& existing) {
        bool removed = existing.observer == observer && (!name || existing.name == name) && (!object || existing.object == object);
        if (removed)
            stopListeningOnBus(existing);
        return removed;
    });
}

void NotificationCenter::listenOnBus() const
{
    for (auto const& observer : m_observers)
        listenOnBus(observer);
}

void NotificationCenter::listenOnBus(const Observer& observer) const
{
    if (!crossesProcesses())
        return;
    if (auto* bus = BusSession::connection())
        bus->listen(m_kind == Kind::Darwin ? BusConnection::Channel::Darwin : BusConnection::Channel::Distributed, observer.name);
}

void NotificationCenter::stopListeningOnBus(const Observer& observer) const
{
    if (!crossesProcesses())
        return;
    if (auto* bus = BusSession::connection())
        bus->stopListening(m_kind == Kind::Darwin ? BusConnection::Channel::Darwin : BusConnection::Channel::Distributed, observer.name);
}

void NotificationCenter::post(const std::string& name, const void* object, NSDictionary* userInfo, bool deliverImmediately)
{
    switch (m_kind) {
    case Kind::Local:
        deliverLater(name, object, userInfo, deliverImmediately);
        return;
    case Kind::Darwin:
        // The Darwin center carries the name only; the phone ignores the flag.
        postDarwin(name);
        return;
    case Kind::Distributed:
        postDistributed(name, userInfo, deliverImmediately);
        return;
    }
}

void NotificationCenter::postDarwin(const std::string& name)
{
    if (auto* bus = BusSession::connection(); bus && bus->sendDarwin(name) != BusConnection::SendResult::Disconnected)
        return;
    deliverLater(name, nullptr, nullptr, false);
}

void NotificationCenter::postDistributed(const std::string& name, NSDictionary* userInfo, bool deliverImmediately)
{
    // Encoded now, so the receivers see the user info as it was at the post.
    auto payload = encodeUserInfo(userInfo, name);
    if (!payload)
        return;
    if (auto* bus = BusSession::connection(); bus && bus->sendDistributed(name, *payload, deliverImmediately) != BusConnection::SendResult::Disconnected)
        return;
    // Within the process the user info is still a copy, read back as any
    // receiver would read it.
    NSDictionary* copy = decodeUserInfo(*payload, name);
    if (!copy)
        return;
    deliverLater(name, nullptr, copy, deliverImmediately);
}

void NotificationCenter::deliverLater(std::string name, const void* object, NSDictionary* userInfo, bool deliverImmediately)
{
    dispatch::RunLoop::main().post([this, generation = m_generation, name = std::move(name), object, userInfo = Strong<NSDictionary>(userInfo), deliverImmediately] {
        if (generation == m_generation)
            deliverNow(name, object, userInfo, deliverImmediately);
    });
}

bool NotificationCenter::matches(const Observer& observer, const std::string& name, const void* object) const
{
    if (observer.name && *observer.name != name)
        return false;
    return !observer.object || observer.object == object;
}

const NotificationCenter::Observer* NotificationCenter::find(uint64_t registration) const
{
    auto it = std::find_if(m_observers.begin(), m_observers.end(), [&](const Observer& observer) { return observer.registration == registration; });
    return it == m_observers.end() ? nullptr : &*it;
}

void NotificationCenter::deliverNow(const std::string& name, const void* object, NSDictionary* userInfo, bool deliverImmediately)
{
    auto& suspension = Suspension::shared();
    suspension.deliverKept();

    std::vector<uint64_t> targets;
    for (auto const& observer : m_observers) {
        if (matches(observer, name, object))
            targets.push_back(observer.registration);
    }
    if (targets.empty())
        return;

    Strong<NSString> nameObject = NSString::make(name);
    // The local center's posts come from this process, which is running.
    bool suspended = suspension.isSuspended() && crossesProcesses() && !deliverImmediately;
    for (uint64_t registration : targets) {
        // An earlier callback may have removed this observer.
        auto* observer = find(registration);
        if (!observer)
            continue;
        if (suspended) {
            switch (observer->behavior) {
            case CFNotificationSuspensionBehaviorDrop:
                continue;
            case CFNotificationSuspensionBehaviorCoalesce:
                suspension.keep(*this, registration, nameObject, object, userInfo, true);
                continue;
            case CFNotificationSuspensionBehaviorHold:
                suspension.keep(*this, registration, nameObject, object, userInfo, false);
                continue;
            case CFNotificationSuspensionBehaviorDeliverImmediately:
                break;
            }
        }
        observer->callback(this, const_cast<void*>(observer->observer), nameObject, object, userInfo);
    }
}

void NotificationCenter::deliverToObserver(uint64_t registration, NSString* name, const void* object, NSDictionary* userInfo)
{
    if (auto* observer = find(registration))
        observer->callback(this, const_cast<void*>(observer->observer), name, object, userInfo);
}

void NotificationCenter::reset()
{
    for (auto const& observer : m_observers)
        stopListeningOnBus(observer);
    m_observers.clear();
    ++m_generation;
}

}
