#pragma once
// One-way latency from a post in this process to the callbacks of N forked
// receivers. Each sample: one post; every receiver stamps its arrival and
// answers; the next post waits for all answers. Every receiver's latency goes
// into one pool, reported as median_us, p99_us and max_us; the time of an
// iteration is that of the slowest receiver.

#include "Arrivals.h"

#include <benchmark/benchmark.h>

#include <functional>

namespace bench {

struct LatencyPath {
    // Runs in each forked receiver with its index; never returns.
    std::function<void(int index)> receive;
    // One post from this process; the value alternates between samples.
    std::function<void(bool value)> post;
    // Whether the receivers stamp the value they read, checked each sample.
    bool carriesValue = true;
};

void measureLatency(benchmark::State& state, Arrivals& arrivals, int receivers, const LatencyPath& path);

}
