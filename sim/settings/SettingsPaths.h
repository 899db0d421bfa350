#pragma once
// Where the settings live: the file the shell reads, the simulator's own home
// folder, and the note the running simulator leaves of its bus.

#include <string>

namespace settings {

inline constexpr char kSettingsFileName[] = "com.quillbrook.drawlet-preferences.plist";
inline constexpr char kSettingsChangedNotification[] = "com.quillbrook.drawlet-preferences/settingschanged";

// The simulator's per-user home, never the real one: $XDG_DATA_HOME/drawlet/home,
// else ~/.local/share/drawlet/home.
std::string defaultHomeDirectory();

// HOME/Library/Preferences and the settings file in it.
std::string preferencesFolder(const std::string& home);
std::string settingsFilePath(const std::string& home);

// HOME/.drawlet-bus holds the bus address of the simulator running on that
// home; "" when there is none.
std::string busAddressFilePath(const std::string& home);
std::string readBusAddress(const std::string& home);

}
