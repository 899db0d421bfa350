#pragma once
// The installed-applications file: a property list at the device path
// kInstalledApplicationsPath (under the device root), read by drawlet-app and
// drawlet-sim.
//
//   <dict><key>Applications</key><array>
//     <dict>
//       <key>CFBundleIdentifier</key>  <string>com.drawlet.demo.notes</string>
//       <key>CFBundleDisplayName</key> <string>Notes</string>
//       <key>CFBundleExecutable</key>  <string>Notes</string>
//       <key>IconPath</key>            <string>/Applications/Notes.app/Icon.png</string>
//       <key>BadgeValue</key>          <integer>3</integer>   (or a string; optional)
//     </dict> ...
//
// An entry that is not a dictionary, lacks one of the four strings, repeats a
// bundle identifier or has a badge of another type is skipped with one log
// line; the others are kept.

#include "InstalledApplication.h"

#include <string>
#include <vector>

namespace apps {

inline constexpr const char* kInstalledApplicationsPath = "/Applications/InstalledApplications.plist";

// The applications in file order; empty (with a log line) when the file is
// missing or unreadable.
std::vector<InstalledApplication> readInstalledApplications(const std::string& path = kInstalledApplicationsPath);

// The applications of another device root than the device's own: from now
// on the installed-applications file and the icons it names are read under
// `root` (a host folder), and their icon paths are host paths there. ""
// (the default) reads them under the device root again.
void setApplicationsRoot(std::string root);

// The application with this bundle identifier, or nullptr.
const InstalledApplication* findInstalledApplication(const std::vector<InstalledApplication>& applications, const std::string& bundleIdentifier);

}
