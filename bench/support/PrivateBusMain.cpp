#include "PrivateBusMain.h"

#include "foundation/NSObject.h"
#include "notifications/Bus.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace bench {

int runOnPrivateBus(int argc, char** argv, const char* program, const std::function<bool(const std::string& address)>& setUp)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    foundation::registerClasses();
    std::string const address = notifications::startPrivateBusDaemon();
    bool const ready = !address.empty() && notifications::connectToBus(address) && setUp(address);
    if (ready)
        benchmark::RunSpecifiedBenchmarks();
    else
        std::fprintf(stderr, "%s: could not set up the bus\n", program);
    notifications::disconnectFromBus();
    notifications::stopPrivateBusDaemon();
    benchmark::Shutdown();
    return ready ? 0 : 1;
}

}
