#pragma once
// The shell's use of the system's resources, for the soak's check that
// nothing grows without bound: open file descriptors, memory mappings, and
// resident memory apart from the applications' frames (which come and go
// with the applications).

#include <optional>
#include <string>

namespace sim {

struct ResourceUse {
    long fileDescriptors = 0;
    long mappings = 0;
    long residentKilobytes = 0;
};

bool readResourceUse(ResourceUse* use, std::string* error);

// Compares a later reading with the one taken after the warm-up; the reason
// when something has grown past what the device's changing state explains.
std::optional<std::string> checkGrowth(const ResourceUse& warmedUp, const ResourceUse& now);

}
