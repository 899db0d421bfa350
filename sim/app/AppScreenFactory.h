#pragma once
// The drawing of each demo application, by bundle identifier.

#include "AppScreen.h"

#include <memory>
#include <string>

namespace apps {

// nullptr for a bundle identifier no demo application draws.
std::unique_ptr<AppScreen> makeAppScreen(const std::string& bundleIdentifier);

}
