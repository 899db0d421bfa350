#pragma once
// One headless run of drawlet-sim from launch to quit, as a separate process,
// timed from the start of the process to its end.

#include <string>
#include <vector>

namespace bench {

struct SimulatorRun {
    int status = -1;
    double seconds = 0;
    // The run's log file, whole.
    std::string log;
};

// Runs `drawlet-sim --headless --home HOME --script SCRIPT --log LOG` with
// `extra` options; its own output goes to /dev/null.
SimulatorRun runSimulator(const std::string& home, const std::string& script, const std::string& logFile, const std::vector<std::string>& extra);

// Runs `drawlet-settings --home HOME ARGUMENTS...`; true when it succeeded.
bool runSettingsTool(const std::string& home, const std::vector<std::string>& arguments);

}
