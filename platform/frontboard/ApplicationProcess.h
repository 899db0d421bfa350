#pragma once
// One application process the shell started: its identity on the bus, its
// scene's state as the shell last set it, and its frames.

#include "ProcessExitWatch.h"

#include "quartz/SharedFrameBuffer.h"

#include <memory>
#include <string>
#include <sys/types.h>

namespace frontboard {

enum class SceneState {
    Background,
    Foreground,
};

struct ApplicationProcess {
    std::string bundleIdentifier;
    pid_t pid = 0;
    // Known once the application has reported ready.
    std::string uniqueName;
    std::unique_ptr<quartz::SharedFrameBuffer> frames;
    SceneState scene = SceneState::Foreground;
    // Frames announced so far.
    uint64_t announcedFrames = 0;
    bool ready = false;
    // The interface orientation it was last told; applications start upright.
    long interfaceOrientation = 1;
    // When it was started, on the run loop's clock.
    int64_t launchedAtNanoseconds = 0;
    // Notices the process's end as it happens.
    std::unique_ptr<ProcessExitWatch> exitWatch;

    // "com.example.app[1234]", for log lines.
    std::string label() const { return bundleIdentifier + "[" + std::to_string(pid) + "]"; }
};

}
