#pragma once
// main() of a benchmark program whose benchmarks talk over a private bus: the
// bus is started and joined before `setUp` runs (with its address), and ended
// after the benchmarks.

#include <functional>
#include <string>

namespace bench {

int runOnPrivateBus(int argc, char** argv, const char* program, const std::function<bool(const std::string& address)>& setUp);

}
