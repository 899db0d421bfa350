#pragma once
// Composing the whole screen (750 x 1334 pixels) with the simulator's
// compositor, on the view tree the shell library built.

#include "runtime/Runtime.h"

#include <benchmark/benchmark.h>

namespace bench {

// The screen with the panel open at rest and the pinned application's latest
// frame in it, drawn whole every time.
void composeOpenPanel(benchmark::State& state, id shell);
// The same screen drawn over the last frame after Clock drew a new one: only
// what changed is drawn again.
void composeOpenPanelClockChanged(benchmark::State& state, id shell);
// Frames of a drag of the open panel, each drawn over the last.
void composeDuringDrag(benchmark::State& state, id shell);
// (Reference) the home screen alone: every window hidden while it runs.
void composeHomeScreen(benchmark::State& state);

}
