#pragma once
// drawlet-sim --soak: random events, chosen by a seeded generator, each run
// as a script line through the verbs a scenario uses, with the device's
// invariants checked after each once nothing animates. The lines can be
// written to a file that replays the run with --script.

#include "Verb.h"

#include <cstdint>
#include <set>
#include <string>

namespace sim {

struct SoakOptions {
    long events = 0;
    uint64_t seed = 0;
    // Where the events go as a script ("" for nowhere).
    std::string scriptPath;
    // Verbs whose events are never chosen.
    std::set<std::string> without;
};

// The exit status: 0 when every invariant held, 1 at the first violation.
int runSoak(const SoakOptions& options, ScriptContext& context);

}
