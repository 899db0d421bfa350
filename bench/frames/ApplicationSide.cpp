#include "ApplicationSide.h"
#include "FrameDrawing.h"

#include "dispatch/RunLoop.h"
#include "notifications/Bus.h"
#include "notifications/BusSession.h"
#include "quartz/SharedFrameBuffer.h"
#include "scene/SceneProtocol.h"

#include <sdbus-c++/sdbus-c++.h>

#include <unistd.h>

namespace bench {

namespace {

// Without a go-ahead for this long the shell has gone; the process ends.
constexpr int kIdleMilliseconds = 60'000;

}

void runApplication(const std::string& address, quartz::SharedFrameBuffer& frames, Arrivals& finished, Arrivals& goAhead)
{
    // Joins the bus afresh; the connection inherited from the shell is left
    // alone.
    dispatch::RunLoop::main().reset();
    if (!notifications::connectToBus(address))
        _exit(2);
    auto* connection = notifications::BusSession::connection();
    cairo_surface_t* canvas = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, frames.width(), frames.height());
    std::string const bundleIdentifier = kApplicationIdentifier;
    finished.answer();
    for (;;) {
        if (!goAhead.waitForAnswers(kIdleMilliseconds))
            _exit(0);
        // Reset before this frame is announced: the next go-ahead comes only
        // after the shell has seen it.
        goAhead.expect(1);
        fillFrame(canvas, colourOfFrame(frames.frameCount() + 1));
        if (!frames.publish(canvas))
            _exit(3);
        int64_t const finishedAt = monotonicNanoseconds();
        uint64_t const count = frames.frameCount();
        auto const sent = connection->sendSignal(
            scene::wire::kFrameMember, "",
            [&](sdbus::Message& message) { message << bundleIdentifier << count; }, true);
        if (sent != notifications::BusConnection::SendResult::Sent)
            _exit(4);
        // Stamped after the announcement, so its wake-up is not timed.
        finished.stamp(0, finishedAt, static_cast<int32_t>(count));
    }
}

}
