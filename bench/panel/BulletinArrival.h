#pragma once
// A bulletin arriving for the pinned application (Clock, with the badge 5),
// sent to SBBulletinBannerController's sharedInstance as the shell sends it.

#include "runtime/Runtime.h"

#include <benchmark/benchmark.h>

namespace bench {

// Through the shell library's replacement: the shell's banner first, then
// the shake built and added to the grabber's layer and the badge set.
void bulletinThroughReplacement(benchmark::State& state);
// The replacement's own cost: the same with the shell's implementation
// swapped for an empty one while it runs.
void bulletinReplacementAlone(benchmark::State& state);
// (Reference) the shell's implementation alone: its banner.
void bulletinShellImplementation(benchmark::State& state);

}
