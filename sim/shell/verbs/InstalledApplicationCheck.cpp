#include "InstalledApplicationCheck.h"

#include "InstalledApplications.h"

namespace sim {

bool checkInstalledApplication(const std::string& bundleIdentifier, std::string* error)
{
    auto const installed = apps::readInstalledApplications();
    if (apps::findInstalledApplication(installed, bundleIdentifier))
        return true;
    std::string known;
    for (auto const& application : installed)
        known += (known.empty() ? "" : ", ") + application.bundleIdentifier;
    *error = "no installed application has the bundle identifier \"" + bundleIdentifier + "\" (installed: " + (known.empty() ? "none" : known) + ")";
    return false;
}

}
