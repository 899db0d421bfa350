#pragma once
// This process's resident memory as the kernel counts it (/proc/self), with
// the part that is applications' frames, which the shell maps from their
// processes (memfd "drawlet-frames") rather than allocates.

#include <string>

namespace sim {

struct ResidentMemory {
    long residentKilobytes = 0; // VmRSS
    long peakKilobytes = 0; // VmHWM
    long frameKilobytes = 0; // resident in mapped frames, part of VmRSS
};

// False, with `error` set, when /proc cannot be read.
bool readResidentMemory(ResidentMemory* memory, std::string* error);

}
