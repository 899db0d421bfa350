#pragma once
// Composing the whole screen (750 x 1334 pixels) with the simulator's
// compositor, on the view tree the shell library built.

#include "runtime/Runtime.h"

#include <benchmark/benchmark.h>

namespace bench {

// The screen with the panel open at rest and the pinned application's latest
// frame in it.
void composeOpenPanel(benchmark::State& state, id shell);
// (Reference) the home screen alone: every window hidden while it runs.
void composeHomeScreen(benchmark::State& state);

}
