// Post-to-callback latency between processes over a private bus, each figure
// beside a bare sdbus-c++ signal to the same number of receiving processes in
// the same run:
// - a Darwin notification from one process to another;
// - the shell's "com.quillbrook.drawlet.changeHostedAppStatusBar" on the
//   distributed center to 1 and to 10 application processes, each observing
//   it as the client does.
// Each sample is one way: the receiving callback stamps the monotonic clock
// (shared by every process) into shared memory (Arrivals.h, LatencyMeasurement.h).

#include "Arrivals.h"
#include "BarePath.h"
#include "CenterPaths.h"
#include "LatencyMeasurement.h"

#include "support/PrivateBusMain.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string g_address;
bench::Arrivals* g_arrivals;

void measureBareSignals(benchmark::State& state, int receivers)
{
    bench::BareSignalSender sender(g_address);
    bench::measureLatency(state, *g_arrivals, receivers,
        { [](int index) { bench::receiveBareSignals(g_address, *g_arrivals, index); }, [&](bool value) { sender.post(value); } });
}

void BM_BareSdbusSignalAcrossProcesses(benchmark::State& state) { measureBareSignals(state, 1); }

void BM_DarwinNotificationAcrossProcesses(benchmark::State& state)
{
    bench::measureLatency(state, *g_arrivals, 1,
        { [](int index) { bench::receiveDarwinPings(g_address, *g_arrivals, index); }, [](bool) { bench::postDarwinPing(); }, false });
}

void BM_BareSdbusSignalToApplications(benchmark::State& state) { measureBareSignals(state, static_cast<int>(state.range(0))); }

void BM_DistributedNotificationToApplications(benchmark::State& state)
{
    bench::measureLatency(state, *g_arrivals, static_cast<int>(state.range(0)),
        { [](int index) { bench::receiveStatusBarNotifications(g_address, *g_arrivals, index); }, bench::postStatusBarNotification });
}

BENCHMARK(BM_BareSdbusSignalAcrossProcesses)->Iterations(5000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DarwinNotificationAcrossProcesses)->Iterations(5000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareSdbusSignalToApplications)->Arg(1)->Arg(10)->Iterations(5000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DistributedNotificationToApplications)->Arg(1)->Arg(10)->Iterations(5000)->UseManualTime()->Unit(benchmark::kMicrosecond);

bool setUp(const std::string& address)
{
    g_address = address;
    g_arrivals = bench::Arrivals::create();
    return g_arrivals != nullptr;
}

}

int main(int argc, char** argv)
{
    return bench::runOnPrivateBus(argc, argv, "notifications_bench", setUp);
}
