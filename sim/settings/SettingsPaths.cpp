#include "SettingsPaths.h"

#include "foundation/NSHomeDirectory.h"

#include <cstdlib>
#include <fstream>

namespace settings {

std::string defaultHomeDirectory()
{
    // The XDG rule: only an absolute XDG_DATA_HOME counts.
    if (char const* data = std::getenv("XDG_DATA_HOME"); data && data[0] == '/')
        return std::string(data) + "/drawlet/home";
    return foundation::userHomeDirectory() + "/.local/share/drawlet/home";
}

std::string preferencesFolder(const std::string& home) { return home + "/Library/Preferences"; }
std::string settingsFilePath(const std::string& home) { return preferencesFolder(home) + "/" + kSettingsFileName; }
std::string busAddressFilePath(const std::string& home) { return home + "/.drawlet-bus"; }

std::string readBusAddress(const std::string& home)
{
    std::ifstream file(busAddressFilePath(home));
    std::string address;
    std::getline(file, address);
    auto const last = address.find_last_not_of(" \t\r\n");
    address.erase(last == std::string::npos ? 0 : last + 1);
    auto const first = address.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : address.substr(first);
}

}
