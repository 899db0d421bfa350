#include "HostViewStandIn.h"
#include "ApplicationSide.h"

#include "dispatch/RunLoop.h"
#include "notifications/Arrivals.h"
#include "notifications/BusSession.h"
#include "quartz/SharedFrameBuffer.h"
#include "scene/SceneProtocol.h"

#include <sdbus-c++/sdbus-c++.h>

#include <string>

namespace bench {

namespace {

// A bus handler cannot be removed, so the one registered per process goes to
// whichever stand-in lives.
HostViewStandIn* g_current = nullptr;

}

bool HostViewStandIn::listen()
{
    auto* connection = notifications::BusSession::connection();
    return connection
        && connection->handleSignal(scene::wire::kFrameMember, notifications::BusConnection::Addressing::Broadcast, frameAnnounced, true);
}

HostViewStandIn::HostViewStandIn(quartz::SharedFrameBuffer& frames)
    : m_frames(frames)
{
    g_current = this;
}

HostViewStandIn::~HostViewStandIn()
{
    g_current = nullptr;
    if (m_held)
        cairo_surface_destroy(m_held);
}

void HostViewStandIn::frameAnnounced(sdbus::Message& message)
{
    std::string bundleIdentifier;
    uint64_t count = 0;
    message >> bundleIdentifier >> count;
    if (!message || bundleIdentifier != kApplicationIdentifier || !g_current)
        return;
    g_current->hold(count);
}

void HostViewStandIn::hold(uint64_t announcedCount)
{
    cairo_surface_t* frame = m_frames.takeLatestFrame();
    int64_t const heldAt = monotonicNanoseconds();
    m_waiting = false;
    dispatch::RunLoop::main().stop();
    if (!frame)
        return;
    // The host view lets go of the frame it showed before.
    if (m_held)
        cairo_surface_destroy(m_held);
    m_held = frame;
    m_heldAt = heldAt;
    m_announcedCount = announcedCount;
}

bool HostViewStandIn::waitForFrame(int timeoutMilliseconds)
{
    auto& loop = dispatch::RunLoop::main();
    int64_t const deadline = loop.nowNanoseconds() + int64_t { timeoutMilliseconds } * 1'000'000;
    m_heldAt = 0;
    m_waiting = true;
    while (m_waiting && loop.nowNanoseconds() < deadline)
        loop.runUntil(deadline);
    return m_heldAt != 0;
}

}
