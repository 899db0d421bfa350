#pragma once
// Notifications through the platform's centers over the bus, as the shell and
// the applications use them: the receiving side runs in a forked process that
// joins the bus and observes as an application does.

#include "Arrivals.h"

#include <string>

namespace bench {

// A name-only ping on the Darwin center.
[[noreturn]] void receiveDarwinPings(const std::string& address, Arrivals& arrivals, int index);
void postDarwinPing();

// The shell's "com.quillbrook.drawlet.changeHostedAppStatusBar" on the
// distributed center, each receiver reading "statusBarHidden" as the client
// does.
[[noreturn]] void receiveStatusBarNotifications(const std::string& address, Arrivals& arrivals, int index);
void postStatusBarNotification(bool hidden);

}
