#pragma once
// drawlet-sim's command line.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

struct SimulatorOptions {
    std::string home;
    std::string root;
    std::string bus;
    int screenWidth = 375;
    int screenHeight = 667;
    int scale = 2;
    std::vector<std::string> withoutClasses;
    std::vector<std::string> appWithoutClasses;
    // BUNDLE_ID=PROGRAM: that application runs PROGRAM instead of drawlet-app.
    std::vector<std::string> appPrograms;
    bool noInject = false;
    bool headless = false;
    std::string script;
    std::string log;
    // Headless only: the folder a recording of the run goes to (none when empty).
    std::string record;
    int recordFramesPerSecond = 30;
    bool listApps = false;
    // Every frame drawn whole instead of only what changed (to compare).
    bool fullRedraw = false;
    // Headless only: a soak of this many random events instead of a script
    // (none when 0), chosen by a generator seeded with `seed` (a fresh seed,
    // printed, when none is given).
    long soakEvents = 0;
    std::optional<uint64_t> seed;
    std::string soakScript;
    std::vector<std::string> soakWithout;
    // "YYYY-MM-DDTHH:MM:SS": the device's wall clock at launch (the host's
    // time when empty).
    std::string wallClock;
};

// Reads the command line; an exit status when the program should stop here
// (0 after --help, 2 for a wrong option), otherwise nothing.
std::optional<int> parseSimulatorOptions(int argc, char** argv, SimulatorOptions* options);

// "WIDTHxHEIGHT" in points, each between 1 and 10000.
bool parseScreenSize(const std::string& text, int* width, int* height);

// CLI11's check of a --wall-clock value: "" when it is a valid time.
std::string checkWallClock(const std::string& text);

}
