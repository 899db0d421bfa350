// What the libraries cost the shell, whole process, side by side in one run:
// drawlet-sim with the libraries against drawlet-sim --no-inject (the shell
// alone), each a separate headless process from launch to quit, the two
// alternating. The home pins Clock (tweakEnabled, autoPinEnabled, startupApp,
// set with drawlet-settings), so with the libraries the panel is built and
// Clock hosted at launch; the script launches Clock in both variants, so both
// run the same application process and only the libraries differ.
// - BM_ShellLaunchToQuit: real time from the start of the process to its end,
//   and the median of each pair's ratio;
// - BM_ShellResidentMemory: the shell's resident memory at the end of the
//   script (the `memory` verb), without the applications' mapped frames.

#include "SimulatorRun.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

// A temporary folder with the home, the scripts and the log, removed at exit.
struct Setting {
    std::string folder;
    std::string home = folder + "/home";
    std::string script = folder + "/script.txt";
    std::string bareScript = folder + "/bare.txt";
    std::string logFile = folder + "/sim.log";

    ~Setting()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

// Clock launched, a little virtual time, the memory line, the end.
constexpr const char* kScript = "launch com.drawlet.demo.clock\nwait 0.5\nmemory\nquit\n";
// (Reference) the shell alone with no application at all.
constexpr const char* kBareScript = "wait 0.5\nmemory\nquit\n";

bool prepare(const Setting& setting)
{
    std::ofstream(setting.script) << kScript;
    std::ofstream(setting.bareScript) << kBareScript;
    return bench::runSettingsTool(setting.home, { "set", "tweakEnabled", "true" })
        && bench::runSettingsTool(setting.home, { "set", "autoPinEnabled", "true" })
        && bench::runSettingsTool(setting.home, { "set", "--string", "startupApp", "com.drawlet.demo.clock" });
}

// Prepared once; nullptr when Clock could not be pinned.
const Setting* setting()
{
    static const Setting prepared { [] {
        char pattern[] = "/tmp/drawlet-shell-cost-XXXXXX";
        char const* folder = mkdtemp(pattern);
        return std::string(folder ? folder : "");
    }() };
    static bool const ready = !prepared.folder.empty() && prepare(prepared);
    return ready ? &prepared : nullptr;
}

const std::vector<std::string> kWithLibraries {};
const std::vector<std::string> kShellAlone { "--no-inject" };

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    size_t const middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Memory {
    double resident = 0;
    double peak = 0;
    double frames = 0;
};

bool readMemoryLine(const std::string& log, Memory* memory)
{
    static const std::regex line(R"(drawlet-sim: memory: VmRSS (\d+) kB, VmHWM (\d+) kB, frames (\d+) kB)");
    std::smatch match;
    if (!std::regex_search(log, match, line))
        return false;
    memory->resident = std::stod(match[1]);
    memory->peak = std::stod(match[2]);
    memory->frames = std::stod(match[3]);
    return true;
}

// A run that failed, or with the libraries a panel that was not built with
// Clock hosted, skips the benchmark.
bool checkRun(benchmark::State& state, const bench::SimulatorRun& run, bool withLibraries)
{
    if (run.status != 0) {
        state.SkipWithError("drawlet-sim did not run its script to the end");
        return false;
    }
    if (withLibraries && run.log.find("[Drawlet] Posting notification: com.drawlet.demo.clockVeskStatusBarChange") == std::string::npos) {
        state.SkipWithError("the shell did not host Clock at launch");
        return false;
    }
    return true;
}

void BM_ShellLaunchToQuit(benchmark::State& state)
{
    auto const* prepared = setting();
    if (!prepared) {
        state.SkipWithError("drawlet-settings could not pin Clock");
        return;
    }
    std::vector<double> alone;
    std::vector<double> libraries;
    std::vector<double> ratios;
    bool librariesFirst = false;
    for (auto _ : state) {
        librariesFirst = !librariesFirst;
        for (bool withLibraries : { librariesFirst, !librariesFirst }) {
            auto run = bench::runSimulator(prepared->home, prepared->script, prepared->logFile, withLibraries ? kWithLibraries : kShellAlone);
            if (!checkRun(state, run, withLibraries))
                return;
            (withLibraries ? libraries : alone).push_back(run.seconds);
        }
        state.SetIterationTime(libraries.back());
        ratios.push_back(libraries.back() / alone.back());
    }
    state.counters["shell_alone_ms"] = median(alone) * 1e3;
    state.counters["with_libraries_ms"] = median(libraries) * 1e3;
    // Each pair ran back to back, so its ratio leaves out what drifts over
    // the run (other work on the machine).
    state.counters["ratio"] = median(ratios);
}

void BM_ShellResidentMemory(benchmark::State& state)
{
    auto const* prepared = setting();
    if (!prepared) {
        state.SkipWithError("drawlet-settings could not pin Clock");
        return;
    }
    std::vector<double> alone;
    std::vector<double> bare;
    std::vector<double> libraries;
    std::vector<double> alonePeak;
    std::vector<double> librariesPeak;
    std::vector<double> frames;
    for (auto _ : state) {
        for (int variant = 0; variant < 3; ++variant) {
            bool const withLibraries = variant == 0;
            auto run = bench::runSimulator(prepared->home, variant == 2 ? prepared->bareScript : prepared->script, prepared->logFile,
                withLibraries ? kWithLibraries : kShellAlone);
            Memory memory;
            if (!checkRun(state, run, withLibraries))
                return;
            if (!readMemoryLine(run.log, &memory)) {
                state.SkipWithError("drawlet-sim logged no memory line");
                return;
            }
            double const resident = memory.resident - memory.frames;
            if (variant == 0) {
                libraries.push_back(resident);
                librariesPeak.push_back(memory.peak);
                frames.push_back(memory.frames);
            } else if (variant == 1) {
                alone.push_back(resident);
                alonePeak.push_back(memory.peak);
            } else {
                bare.push_back(resident);
            }
        }
    }
    state.counters["with_libraries_kB"] = median(libraries);
    state.counters["shell_alone_kB"] = median(alone);
    state.counters["extra_kB"] = median(libraries) - median(alone);
    state.counters["shell_alone_no_app_kB"] = median(bare);
    state.counters["peak_with_libraries_kB"] = median(librariesPeak);
    state.counters["peak_shell_alone_kB"] = median(alonePeak);
    state.counters["frames_kB"] = median(frames);
}

BENCHMARK(BM_ShellLaunchToQuit)->Iterations(15)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShellResidentMemory)->Iterations(3)->Unit(benchmark::kMillisecond);

}

BENCHMARK_MAIN();
