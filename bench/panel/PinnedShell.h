#pragma once
// The shell process in miniature for the panel's benchmarks: the platform's
// shell with the shell library's hooks, launched through the runtime as the
// simulator launches it, in virtual time, on a 375 x 667 screen at scale 2,
// with the demo applications installed and Clock pinned. Clock runs as a real
// drawlet-app process on the bus already joined, so the panel hosts its live
// frames.

#include "runtime/Runtime.h"

#include <string>

namespace bench {

// Launches the shell once, the hooks installed by the caller before (later calls return the same object); nil, with
// `error` set, when the panel was not built or Clock is not hosted.
id launchPinnedShell(const std::string& busAddress, std::string* error);

// Removes the shell's temporary home, once the bus has gone (and the
// application with it).
void removePinnedShellHome();

// Runs what is due now in the shell and, in lock-step, in the application.
void settle(double seconds = 0);

// Mappings of applications' frames in this process, and the applications
// running: both stay as they are while an application is hosted again and
// again.
size_t frameMappings();
size_t runningApplications();
// The panel holds exactly one view, the host view last loaded, and it shows
// the pinned application's frames.
bool showsOneLiveHostView();

}
