#include "ResidentMemory.h"

#include <fstream>

namespace sim {

namespace {

// The kilobytes of a "Name:   1234 kB" line, or -1.
long kilobytesAfter(const std::string& line, const std::string& name)
{
    if (line.rfind(name, 0) != 0)
        return -1;
    try {
        return std::stol(line.substr(name.size()));
    } catch (const std::exception&) {
        return -1;
    }
}

// In smaps, a mapping's header line names its file last; its fields follow.
bool isMappingHeader(const std::string& line)
{
    auto const space = line.find(' ');
    return space != std::string::npos && line.find('-') < space;
}

}

bool readResidentMemory(ResidentMemory* memory, std::string* error)
{
    std::ifstream status("/proc/self/status");
    if (!status) {
        *error = "cannot read /proc/self/status";
        return false;
    }
    *memory = {};
    for (std::string line; std::getline(status, line);) {
        if (long const value = kilobytesAfter(line, "VmRSS:"); value >= 0)
            memory->residentKilobytes = value;
        if (long const value = kilobytesAfter(line, "VmHWM:"); value >= 0)
            memory->peakKilobytes = value;
    }

    std::ifstream smaps("/proc/self/smaps");
    if (!smaps) {
        *error = "cannot read /proc/self/smaps";
        return false;
    }
    bool inFrames = false;
    for (std::string line; std::getline(smaps, line);) {
        if (isMappingHeader(line)) {
            inFrames = line.find("/memfd:drawlet-frames") != std::string::npos;
            continue;
        }
        if (long const value = kilobytesAfter(line, "Rss:"); inFrames && value >= 0)
            memory->frameKilobytes += value;
    }
    return true;
}

}
