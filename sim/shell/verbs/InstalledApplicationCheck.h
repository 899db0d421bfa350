#pragma once
// The application verbs name installed applications only; the list is read
// when the verb runs, from the device the shell runs on.

#include <string>

namespace sim {

// False with a reason that lists what is installed.
bool checkInstalledApplication(const std::string& bundleIdentifier, std::string* error);

}
