#include "SoakGrowth.h"

#include "ResidentMemory.h"

#include <filesystem>
#include <fstream>

namespace sim {

namespace {

// What a different set of running applications, an alert, the switcher or
// the keyboard may hold open or mapped at one moment and not at another.
constexpr long kFileDescriptorSlack = 24;
constexpr long kMappingSlack = 96;
// The allocator keeps some of what is freed; a leak grows past this.
constexpr long kResidentSlackKilobytes = 32 * 1024;

long countEntries(const char* folder)
{
    std::error_code error;
    long count = 0;
    for (auto it = std::filesystem::directory_iterator(folder, error); !error && it != std::filesystem::directory_iterator(); it.increment(error))
        ++count;
    return error ? -1 : count;
}

long countLines(const char* path)
{
    std::ifstream file(path);
    if (!file)
        return -1;
    long count = 0;
    std::string line;
    while (std::getline(file, line))
        ++count;
    return count;
}

}

bool readResourceUse(ResourceUse* use, std::string* error)
{
    ResidentMemory memory;
    if (!readResidentMemory(&memory, error))
        return false;
    use->residentKilobytes = memory.residentKilobytes - memory.frameKilobytes;
    use->fileDescriptors = countEntries("/proc/self/fd");
    use->mappings = countLines("/proc/self/maps");
    if (use->fileDescriptors < 0 || use->mappings < 0) {
        *error = "cannot read /proc/self/fd or /proc/self/maps";
        return false;
    }
    return true;
}

std::optional<std::string> checkGrowth(const ResourceUse& warmedUp, const ResourceUse& now)
{
    if (now.fileDescriptors > warmedUp.fileDescriptors + kFileDescriptorSlack)
        return "open file descriptors grew from " + std::to_string(warmedUp.fileDescriptors) + " to " + std::to_string(now.fileDescriptors);
    if (now.mappings > warmedUp.mappings + kMappingSlack)
        return "memory mappings grew from " + std::to_string(warmedUp.mappings) + " to " + std::to_string(now.mappings);
    if (now.residentKilobytes > warmedUp.residentKilobytes + kResidentSlackKilobytes)
        return "resident memory (frames aside) grew from " + std::to_string(warmedUp.residentKilobytes) + " kB to " + std::to_string(now.residentKilobytes)
            + " kB";
    return std::nullopt;
}

}
