#pragma once
// The events the simulated device gives Activator, and how they are fired.

#include <string_view>

namespace activator {

inline constexpr const char* kStatusBarDoubleTapEvent = "libactivator.statusbar.tap.double";
inline constexpr const char* kLockShortHoldEvent = "libactivator.lock.hold.short";

struct DeviceEvent {
    const char* name;
    // As Activator's settings show it.
    const char* title;
};

// In the order Activator's settings list them.
inline constexpr DeviceEvent kDeviceEvents[] = {
    { kStatusBarDoubleTapEvent, "Double tap on the status bar" },
    { kLockShortHoldEvent, "Short hold of the lock button" },
};

const DeviceEvent* findDeviceEvent(std::string_view name);

// Sends the named event, made in the current event mode, through the shared
// Activator (sendEventToListener:); true when its listener marked it handled.
bool sendEvent(std::string_view name);

// An event happened on the device: it goes to its listener, and when no
// listener handles it, it does what it does without Activator: the short
// hold of the lock button locks the phone, as a press does; any other event
// does nothing.
void fireDeviceEvent(std::string_view name);

}
