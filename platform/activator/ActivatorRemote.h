#pragma once
// Another process's view of the shell's Activator (the Settings application):
// it asks for the listeners and sends the user's choices over the bus
// (ActivatorProtocol.h); the answers arrive later, on the run loop, and the
// change handler is called then.

#include "ListenerDescription.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace activator {

class ActivatorRemote {
public:
    static ActivatorRemote& shared();
    // Forgets the answers and the handler; for tests.
    static void reset();

    // Asks the shell for the listeners; false when this process has no bus.
    bool requestListeners();
    // The listener gets `event` and no other ("" for none); false without a bus.
    bool chooseEvent(const std::string& listener, const std::string& event);

    // The shell's last answer; nullopt until one came.
    const std::optional<std::vector<ListenerDescription>>& listeners() const { return m_listeners; }
    // Changes with each answer.
    long long version() const { return m_version; }

    void setChangeHandler(std::function<void()> handler) { m_changeHandler = std::move(handler); }

private:
    ActivatorRemote() = default;
    bool connect();
    void answerArrived(sdbus::Message& message);

    std::optional<std::vector<ListenerDescription>> m_listeners;
    long long m_version = 0;
    bool m_connected = false;
    std::function<void()> m_changeHandler;
};

}
