#pragma once
// A listener as Activator's settings show it, and its form on the bus
// (ActivatorProtocol.h's ActivatorListeners).

#include <cstdint>
#include <string>
#include <vector>

namespace sdbus {
class Message;
}

namespace activator {

struct ListenerDescription {
    std::string name;
    std::string group;
    std::string title;
    std::string description;
    std::vector<uint8_t> icon;
    std::vector<std::string> events;

    bool operator==(const ListenerDescription&) const = default;
};

// Asks each listener the shared Activator has registered (in the shell).
std::vector<ListenerDescription> describeListeners();

void writeListenerDescriptions(sdbus::Message& message, const std::vector<ListenerDescription>& listeners);
// False with `error` set when the message is not a whole list.
bool readListenerDescriptions(sdbus::Message& message, std::vector<ListenerDescription>* listeners, std::string* error);

}
