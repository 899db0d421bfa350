#pragma once
// Where the simulated device's files are when no option says.

#include <string>

namespace sim {

// The folder of the running executable, or "" when it cannot be found.
std::string executableFolder();

// The device root beside this program: EXE/../root in a build tree,
// EXE/../share/drawlet/root in an installation; the first that exists, else
// the build tree's.
std::string defaultDeviceRoot();

}
