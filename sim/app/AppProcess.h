#pragma once
// One simulated application process: sets up the platform's application side
// (log name, home, root, clock, classes, screen, bus), loads the libraries its
// filters name, launches UIApplication through the runtime with a key window
// and a root view controller, and draws.

#include "AppOptions.h"

namespace apps {

// The process's exit status.
int runAppProcess(const AppOptions& options);

}
