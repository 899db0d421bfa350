#pragma once
// Where the simulated device's files are when no option says, and paths
// from the command line made absolute.

#include <string>

namespace sim {

// The folder of the running executable, or "" when it cannot be found.
std::string executableFolder();

// The device root beside this program: EXE/../root in a build tree,
// EXE/../share/drawlet/root in an installation; the first that exists, else
// the build tree's.
std::string defaultDeviceRoot();

// `path` made absolute against the working folder and normalised, so that it
// still names the same file once a child process or a later chdir reads it;
// `path` itself when the working folder cannot be read.
std::string absolutePath(const std::string& path);

}
