#pragma once
// The shell and each application keep time alike: virtual in headless runs,
// real in the window, with the log stamped by the run loop's clock and the
// wall clock started where --wall-clock says.

#include <string>

namespace sim {

// Restarts the main run loop's clock at 0. `wallClock` is --wall-clock's
// value, "" for the machine's own time.
void startProcessClock(bool headless, const std::string& wallClock);

}
