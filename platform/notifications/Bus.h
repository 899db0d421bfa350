#pragma once
// The connection between processes: D-Bus (sdbus-c++) on a private bus. The
// connection is driven by the main run loop (its poll data), with no thread of
// its own, so every callback runs on the main thread. Notification names travel
// as signal arguments; payloads as binary property lists.

#include <string>

namespace notifications {

// Joins the bus at `address`; false (with a log line) when it cannot.
bool connectToBus(const std::string& address);
void disconnectFromBus();
bool isConnectedToBus();
// What to do when the bus goes away: processes started by the simulator exit.
void exitWhenBusDisconnects(bool enabled);

// Starts a private dbus-daemon (unix transport) that ends with this process
// (PR_SET_PDEATHSIG); returns its address, or "" with a log line.
std::string startPrivateBusDaemon();
void stopPrivateBusDaemon();

}
