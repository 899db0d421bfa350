#include "LatencyPool.h"

#include <algorithm>

namespace bench {

void reportLatencyPool(benchmark::State& state, std::vector<double>& microseconds)
{
    if (microseconds.empty())
        return;
    std::sort(microseconds.begin(), microseconds.end());
    auto at = [&](double fraction) { return microseconds[static_cast<size_t>(fraction * static_cast<double>(microseconds.size() - 1))]; };
    state.counters["median_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = microseconds.back();
    state.counters["samples"] = static_cast<double>(microseconds.size());
}

}
