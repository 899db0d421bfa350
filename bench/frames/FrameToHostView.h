#pragma once
// From a frame finished in an application process to the shell's host view
// holding it, in real time. Each sample: the shell says go on; the
// application draws, publishes and stamps a frame, then announces it on the
// bus; the shell takes it when the announcement arrives and stamps that.
// Frames are paced one at a time, so each is the latest when it is taken.
// Reported as median_us, p99_us and max_us; an iteration's time is its
// latency.

#include "notifications/Arrivals.h"

#include <benchmark/benchmark.h>

#include <string>

namespace bench {

// `finished` and `goAhead` are in shared memory; this process is on the bus
// at `address`, following the announcements (HostViewStandIn::listen).
void measureFrameToHostView(benchmark::State& state, const std::string& address, Arrivals& finished, Arrivals& goAhead);

}
