#pragma once
// Reports a pool of one-way latencies (microseconds) as the counters
// median_us, p99_us, max_us and samples.

#include <benchmark/benchmark.h>

#include <vector>

namespace bench {

// Sorts `microseconds`; nothing is reported for an empty pool.
void reportLatencyPool(benchmark::State& state, std::vector<double>& microseconds);

}
