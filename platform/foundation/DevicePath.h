#pragma once
// Where the device's own folders live on this machine.
//
// Code written for the phone names absolute device paths such as
// "/Library/MobileSubstrate/DynamicLibraries/DrawletBundle.bundle". When a
// device root is set, an absolute path inside one of the device's folders
// ("/Library/MobileSubstrate", "/System" or "/Applications", the folders
// themselves included) resolves under that root; every other path (the home,
// temporary files, the build tree) is a host path and is used as given. The
// path is normalised first ("/System/../etc" is "/etc", a host path), so a
// mapped path never leaves the root. A path already under the root is kept.
// Without a root (the default) every path is used as given.
//
// NSBundle, NSFileManager, UIImage, the property-list reader and writer and
// the library loader take device paths, resolve them this way only where they
// touch the host's files, and answer and log the paths as they were given, so
// what the phone would show reads the same on every machine.

#include <string>
#include <string_view>

namespace foundation {

// "" removes the root (the default).
void setDeviceRoot(std::string directory);
const std::string& deviceRoot();

// The host path for `path` by the rule above.
std::string devicePath(std::string_view path);

}
