#pragma once
// A device root may hold only Drawlet's files (what its package unpacks):
// the simulator then shows its own applications.

#include <string>

namespace sim {

// When `root` has no installed-applications file and the simulator's default
// root (defaultDeviceRoot) has one, the applications are read from there
// (apps::setApplicationsRoot) and the answer is true; otherwise nothing
// changes.
bool borrowApplicationsWhenMissing(const std::string& root);

}
