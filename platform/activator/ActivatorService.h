#pragma once
// The shell's Activator answers other processes on the bus
// (ActivatorProtocol.h): the Settings application asks for the listeners and
// sends the user's choices; the shell's Activator alone reads and writes its
// settings file.

#include <string_view>

namespace activator {

// Listens on the shell's bus connection; false without one. The shell calls
// it once at start.
bool startService();

// The listener gets `event` and no other event; an empty `event` leaves it
// with none. Through the shared Activator's assignEvent:toListenerWithName:
// and unassignEvent:, as its settings do.
void chooseEventForListener(std::string_view listener, std::string_view event);

}
