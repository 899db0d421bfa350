#pragma once
// One notification center: its observers, and the routing of posts. A Darwin
// or distributed post goes out over the bus when this process has one (and
// comes back to this process the same way, so every process sees one order);
// otherwise, and always for the local center, it is delivered within the
// process. Delivery happens on the main run loop, never inside the post.

#include "CFNotificationCenter.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct __CFNotificationCenter {
};

namespace notifications {

class NotificationCenter final : public __CFNotificationCenter {
public:
    enum class Kind {
        Darwin,
        Distributed,
        Local,
    };

    static NotificationCenter& darwin();
    static NotificationCenter& distributed();
    static NotificationCenter& local();
    // The center behind a reference, or nullptr for anything that is not one.
    static NotificationCenter* from(CFNotificationCenterRef center);

    Kind kind() const { return m_kind; }
    // Between processes no sender object travels: observers of these centers
    // receive nil and their own object is not used to filter.
    bool crossesProcesses() const { return m_kind != Kind::Local; }

    // A nil name observes every name. Registering the same observer, callback,
    // name and object again only updates the suspension behaviour.
    void addObserver(const void* observer, CFNotificationCallback callback, std::optional<std::string> name, const void* object,
        CFNotificationSuspensionBehavior behavior);
    // A nil name or object matches any.
    void removeObserver(const void* observer, const std::optional<std::string>& name, const void* object);
    void post(const std::string& name, const void* object, NSDictionary* userInfo, bool deliverImmediately);

    // Queues a notification for this process's observers on the main run loop.
    void deliverLater(std::string name, const void* object, NSDictionary* userInfo, bool deliverImmediately);
    // Calls one registration's callback if it is still registered; used for
    // notifications held while suspended.
    void deliverToObserver(uint64_t registration, NSString* name, const void* object, NSDictionary* userInfo);

    // Forgets every observer and every delivery still queued.
    void reset();

    // Asks the bus for what this center's observers want to hear; called when
    // the process joins a bus.
    void listenOnBus() const;

private:
    struct Observer {
        uint64_t registration;
        const void* observer;
        CFNotificationCallback callback;
        std::optional<std::string> name;
        const void* object;
        CFNotificationSuspensionBehavior behavior;
    };

    explicit NotificationCenter(Kind kind)
        : m_kind(kind)
    {
    }
    void deliverNow(const std::string& name, const void* object, NSDictionary* userInfo, bool deliverImmediately);
    bool matches(const Observer& observer, const std::string& name, const void* object) const;
    const Observer* find(uint64_t registration) const;
    void postDarwin(const std::string& name);
    void postDistributed(const std::string& name, NSDictionary* userInfo, bool deliverImmediately);
    void listenOnBus(const Observer& observer) const;
    void stopListeningOnBus(const Observer& observer) const;

    Kind m_kind;
    std::vector<Observer> m_observers;
    uint64_t m_nextRegistration = 1;
    // Deliveries queued before a reset are dropped when they come due.
    uint64_t m_generation = 0;
};

}
