#include "ListenerDescription.h"
#include "LAActivator.h"

#include "foundation/NSArray.h"
#include "foundation/NSData.h"
#include "runtime/AutoreleasePool.h"

#include <sdbus-c++/sdbus-c++.h>

namespace activator {

namespace {

using WireListener = sdbus::Struct<std::string, std::string, std::string, std::string, std::vector<uint8_t>, std::vector<std::string>>;

// The listener's answer, or "" when it gives none or no string.
std::string ask(id listener, const char* selectorName, id name)
{
    SEL const selector = sel_registerName(selectorName);
    if (!send<bool>(listener, "respondsToSelector:"_sel, selector))
        return {};
    id answer = send<id>(listener, selector, static_cast<id>(LASharedActivator), name);
    if (!foundation::isKindOf(answer, foundation::NSStringClass()))
        return {};
    return static_cast<NSString*>(answer)->value;
}

std::vector<uint8_t> askIcon(id listener, id name)
{
    SEL const selector = "activator:requiresSmallIconDataForListenerName:scale:"_sel;
    if (!send<bool>(listener, "respondsToSelector:"_sel, selector))
        return {};
    double scale = 1;
    id data = send<id>(listener, selector, static_cast<id>(LASharedActivator), name, &scale);
    if (!foundation::isKindOf(data, foundation::NSDataClass()))
        return {};
    return static_cast<NSData*>(data)->bytes;
}

}

std::vector<ListenerDescription> describeListeners()
{
    std::vector<ListenerDescription> described;
    if (!LASharedActivator)
        return described;
    AutoreleasePool pool;
    for (auto const& [name, listener] : LASharedActivator->listeners) {
        id nameString = NSString::make(name);
        ListenerDescription each;
        each.name = name;
        each.group = ask(listener.get(), "activator:requiresLocalizedGroupForListenerName:", nameString);
        each.title = ask(listener.get(), "activator:requiresLocalizedTitleForListenerName:", nameString);
        each.description = ask(listener.get(), "activator:requiresLocalizedDescriptionForListenerName:", nameString);
        each.icon = askIcon(listener.get(), nameString);
        each.events = eventsAssignedTo(name);
        described.push_back(std::move(each));
    }
    return described;
}

void writeListenerDescriptions(sdbus::Message& message, const std::vector<ListenerDescription>& listeners)
{
    std::vector<WireListener> wire;
    wire.reserve(listeners.size());
    for (auto const& each : listeners)
        wire.emplace_back(each.name, each.group, each.title, each.description, each.icon, each.events);
    message << wire;
}

bool readListenerDescriptions(sdbus::Message& message, std::vector<ListenerDescription>* listeners, std::string* error)
{
    std::vector<WireListener> wire;
    try {
        message >> wire;
    } catch (const sdbus::Error& exception) {
        *error = std::string("it is not a list of listeners: ") + exception.what();
        return false;
    }
    if (!message) {
        *error = "it holds no list of listeners";
        return false;
    }
    listeners->clear();
    for (auto& each : wire) {
        listeners->push_back({ std::move(each.get<0>()), std::move(each.get<1>()), std::move(each.get<2>()), std::move(each.get<3>()),
            std::move(each.get<4>()), std::move(each.get<5>()) });
    }
    return true;
}

}
