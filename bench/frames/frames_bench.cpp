// An application's frames on their way to the shell:
// - BM_FrameToHostView: from a frame finished in an application process to
//   the shell's host view holding it, over a private bus (FrameToHostView.h);
// - the cost of each side's step within one process (FrameCosts.cpp).

#include "FrameToHostView.h"
#include "HostViewStandIn.h"

#include "notifications/Arrivals.h"
#include "support/PrivateBusMain.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string g_address;
bench::Arrivals* g_finished;
bench::Arrivals* g_goAhead;

void BM_FrameToHostView(benchmark::State& state) { bench::measureFrameToHostView(state, g_address, *g_finished, *g_goAhead); }

BENCHMARK(BM_FrameToHostView)->Iterations(2000)->UseManualTime()->Unit(benchmark::kMicrosecond);

bool setUp(const std::string& address)
{
    g_address = address;
    g_finished = bench::Arrivals::create();
    g_goAhead = bench::Arrivals::create();
    return g_finished && g_goAhead && bench::HostViewStandIn::listen();
}

}

int main(int argc, char** argv)
{
    return bench::runOnPrivateBus(argc, argv, "frames_bench", setUp);
}
