#pragma once
// The simulated shell process: sets up the device (home, root, log, classes,
// clock, bus, libraries), launches SpringBoard through the runtime, then runs
// the scenario or runs until killed.

#include "Script.h"
#include "SimulatorOptions.h"

namespace sim {

// The process's exit status.
int runShellProcess(const SimulatorOptions& options, const Script& script);

}
