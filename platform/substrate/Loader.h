#pragma once
// The code-injection platform's loader: puts libraries into the processes their
// filters name, as real shared objects (dlopen), before the process starts its
// own work. A library's initialisers are its ELF constructors and run inside
// dlopen, in their priority order.
//
// Each library FOLDER/NAME.so has a filter FOLDER/NAME.plist beside it:
//
//   <dict>
//     <key>Filter</key>
//     <dict>
//       <key>Bundles</key>      <array><string>com.apple.springboard</string></array>
//       <key>Executables</key>  <array><string>SpringBoard</string></array>
//       <key>ExcludeExecutables</key> <array><string>SpringBoard</string></array>
//     </dict>
//   </dict>
//
// The library is loaded when any of the process's loaded bundles (its own bundle
// identifier included) is listed in `Bundles`, or its executable name in
// `Executables`, and its executable name is not in `ExcludeExecutables`.
// "Every application, not the shell" is said with Bundles ["com.apple.UIKit"]
// (every UIKit process) and ExcludeExecutables ["SpringBoard"]. Each list is
// optional; a filter that lists nothing loads nowhere.
//
// A library without a filter, or a filter that cannot be read or is malformed,
// loads nothing and writes one log line; a library that fails to load writes
// one log line (the loader's reason) and the process runs on.

#include <string>
#include <vector>

struct NSDictionary;

namespace substrate {

struct ProcessIdentity {
    std::string executableName;
    std::string bundleIdentifier;
    // Bundles loaded in the process besides its own ("com.apple.UIKit", ...).
    std::vector<std::string> loadedBundles;
};

struct InjectionFilter {
    std::vector<std::string> bundles;
    std::vector<std::string> executables;
    std::vector<std::string> excludedExecutables;

    bool matches(const ProcessIdentity& process) const;
};

// Reads the `Filter` dictionary of a filter file's contents; false with a reason
// when it is missing or any of its lists is not a list of strings.
bool parseInjectionFilter(NSDictionary* contents, InjectionFilter* filter, std::string* error);

// Where the device keeps the libraries and their filters.
inline constexpr const char* kDynamicLibraryFolder = "/Library/MobileSubstrate/DynamicLibraries";

// Loads, in the order of their names, the libraries of `folder` whose filters
// match `process`; returns the paths of those it loaded. `folder` is a device
// path (foundation/DevicePath.h): the log lines and the paths returned name
// the files under it as the phone does, wherever the device root is.
std::vector<std::string> loadLibraries(const std::string& folder, const ProcessIdentity& process);

}
