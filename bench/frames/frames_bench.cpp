// An application's frames on their way to the shell:
// - BM_FrameToHostView: from a frame finished in an application process to
//   the shell's host view holding it, over a private bus (FrameToHostView.h);
// - the cost of each side's step within one process (FrameCosts.cpp).

#include "FrameToHostView.h"
#include "HostViewStandIn.h"

#include "foundation/NSObject.h"
#include "notifications/Arrivals.h"
#include "notifications/Bus.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

std::string g_address;
bench::Arrivals* g_finished;
bench::Arrivals* g_goAhead;

void BM_FrameToHostView(benchmark::State& state) { bench::measureFrameToHostView(state, g_address, *g_finished, *g_goAhead); }

BENCHMARK(BM_FrameToHostView)->Iterations(2000)->UseManualTime()->Unit(benchmark::kMicrosecond);

bool setUp()
{
    foundation::registerClasses();
    g_finished = bench::Arrivals::create();
    g_goAhead = bench::Arrivals::create();
    if (!g_finished || !g_goAhead)
        return false;
    g_address = notifications::startPrivateBusDaemon();
    return !g_address.empty() && notifications::connectToBus(g_address) && bench::HostViewStandIn::listen();
}

void tearDown()
{
    notifications::disconnectFromBus();
    notifications::stopPrivateBusDaemon();
}

}

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!setUp()) {
        std::fprintf(stderr, "frames_bench: could not set up the bus\n");
        tearDown();
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    tearDown();
    benchmark::Shutdown();
    return 0;
}
