#pragma once
// The application's end of a frame's trip: a forked process on the bus that
// draws a frame, publishes it into the shared frames and announces it as an
// application does (a counted SceneFrame signal). It stamps when each frame
// was finished (right after publishing it) into `finished`, and draws the
// next one only when the shell has taken the last and says go on through
// `goAhead`.

#include "notifications/Arrivals.h"

#include <string>

namespace quartz {
class SharedFrameBuffer;
}

namespace bench {

inline constexpr const char* kApplicationIdentifier = "org.drawlet.bench.frames";

// For ReceiverProcesses: answers `finished` once on the bus, then stamps each
// frame with its number as the value; never returns.
[[noreturn]] void runApplication(const std::string& address, quartz::SharedFrameBuffer& frames, Arrivals& finished, Arrivals& goAhead);

}
