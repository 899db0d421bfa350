#include "DeviceEvents.h"
#include "LAActivator.h"
#include "LAEvent.h"

#include "foundation/SystemLog.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/DeviceLock.h"

#include <string>

namespace activator {

const DeviceEvent* findDeviceEvent(std::string_view name)
{
    for (auto const& event : kDeviceEvents) {
        if (name == event.name)
            return &event;
    }
    return nullptr;
}

bool sendEvent(std::string_view name)
{
    AutoreleasePool pool;
    Strong<LAEvent> event = makeEvent(name, currentEventMode());
    send(static_cast<id>(LASharedActivator), "sendEventToListener:"_sel, static_cast<id>(event.get()));
    return event && event->handled;
}

void fireDeviceEvent(std::string_view name)
{
    if (sendEvent(name))
        return;
    if (name != kLockShortHoldEvent)
        return;
    CFLog(kCFLogLevelNotice, "activator: no listener handled %s; the lock button locks", kLockShortHoldEvent);
    springboard::lockDevice();
}

}
