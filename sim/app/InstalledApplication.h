#pragma once
// One application installed on the simulated device, as the installed-
// applications file lists it.

#include <string>
#include <variant>

namespace apps {

struct NoBadge {
    bool operator==(const NoBadge&) const = default;
};

// The badge on the application's icon: nothing, a number, or a short text.
using BadgeValue = std::variant<NoBadge, long long, std::string>;

struct InstalledApplication {
    std::string bundleIdentifier;
    std::string displayName;
    // The process's name in the log, and what the loader's filters match.
    std::string executableName;
    // A device path (under the device root), e.g. "/Applications/Notes.app/Icon.png";
    // a host path when the applications come from another root (setApplicationsRoot).
    std::string iconPath;
    BadgeValue badgeValue;
};

}
