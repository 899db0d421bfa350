#pragma once
// The connection between processes: D-Bus (sdbus-c++) on a private bus. The
// connection is driven by the main run loop (its poll data), with no thread of
// its own, so every callback runs on the main thread. Notification names travel
// as signal arguments; payloads as binary property lists.

#include <functional>
#include <string>

namespace notifications {

// Joins the bus at `address` (leaving any bus joined before); false, with a
// log line, when it cannot. From then on this process's Darwin and distributed
// posts go through the bus, its own included, and in virtual time the run
// loop's clock waits until they have come back (BusBarrier.h).
bool connectToBus(const std::string& address);
// Leaves the bus once it has read everything this process sent; posts are
// then delivered within the process. Exiting normally does the same.
void disconnectFromBus();
bool isConnectedToBus();
// What to do when the bus goes away: processes started by the simulator exit
// (status 0, with a log line); otherwise delivery stays within the process.
void exitWhenBusDisconnects(bool enabled);

// The lock-step of virtual time across processes. The process that leads it
// (the shell) adds each process that follows once it is ready; a follower's
// run loop then moves its clock only as the leader's Ticks say. Real-time
// runs have no lock-step.
bool followClockOverBus();
// `label` names the participant in log lines; `isAlive` tells a process that
// has exited from one that is only slow.
void addClockParticipant(const std::string& uniqueName, const std::string& label, std::function<bool()> isAlive);
void removeClockParticipant(const std::string& uniqueName);
// This connection's unique name on the bus, or "".
std::string busUniqueName();

// Starts a private dbus-daemon (unix transport) that ends with this process
// (PR_SET_PDEATHSIG); returns its address, or "" with a log line. While one is
// running, its address again.
std::string startPrivateBusDaemon();
// Ends and reaps it, and removes its folder; a forked child leaves its
// parent's daemon alone.
void stopPrivateBusDaemon();

}
