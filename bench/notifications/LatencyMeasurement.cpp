#include "LatencyMeasurement.h"
#include "ReceiverProcesses.h"

#include "runtime/AutoreleasePool.h"
#include "support/LatencyPool.h"

#include <algorithm>
#include <vector>

namespace bench {

namespace {

constexpr int kAnswerTimeoutMilliseconds = 5'000;

}

void measureLatency(benchmark::State& state, Arrivals& arrivals, int receivers, const LatencyPath& path)
{
    if (receivers < 1 || receivers > Arrivals::kMaximumReceivers) {
        state.SkipWithError("unsupported number of receivers");
        return;
    }
    ReceiverProcesses group(arrivals, receivers, path.receive);
    if (!group.ready()) {
        state.SkipWithError("a receiving process did not start");
        return;
    }
    std::vector<double> microseconds;
    microseconds.reserve(static_cast<size_t>(state.max_iterations) * static_cast<size_t>(receivers));
    bool value = false;
    for (auto _ : state) {
        AutoreleasePool pool;
        value = !value;
        arrivals.expect(receivers);
        int64_t const sent = monotonicNanoseconds();
        path.post(value);
        if (!arrivals.waitForAnswers(kAnswerTimeoutMilliseconds)) {
            state.SkipWithError("a receiving process did not answer");
            return;
        }
        int64_t slowest = 0;
        for (int receiver = 0; receiver < receivers; ++receiver) {
            int64_t const latency = arrivals.receivedAt(receiver) - sent;
            if (latency < 0 || (path.carriesValue && arrivals.value(receiver) != (value ? 1 : 0))) {
                state.SkipWithError("a receiver read another post than the last one");
                return;
            }
            microseconds.push_back(static_cast<double>(latency) / 1000.0);
            slowest = std::max(slowest, latency);
        }
        state.SetIterationTime(static_cast<double>(slowest) / 1e9);
    }
    reportLatencyPool(state, microseconds);
}

}
