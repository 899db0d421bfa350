#pragma once
// The shell's end of a frame's trip, kept to what is measured: it follows
// the SceneFrame announcements on the bus as the shell's application
// processes do, and on each takes the latest frame (in place) and holds it in
// place of the one before, as a host view does. Its main run loop waits for
// them.

#include <cairo.h>

#include <cstdint>

namespace quartz {
class SharedFrameBuffer;
}

namespace sdbus {
class Message;
}

namespace bench {

class HostViewStandIn {
public:
    // Follows the announcements on this process's connection; once a
    // process, after joining the bus. False when the bus refuses.
    static bool listen();

    // The one stand-in the announcements go to while it lives.
    explicit HostViewStandIn(quartz::SharedFrameBuffer& frames);
    ~HostViewStandIn();

    HostViewStandIn(const HostViewStandIn&) = delete;
    HostViewStandIn& operator=(const HostViewStandIn&) = delete;

    // Runs the main run loop until a frame is announced and held; false when
    // none is within `timeoutMilliseconds`, or it could not be taken.
    bool waitForFrame(int timeoutMilliseconds);

    // The held frame, when it was taken, and the count it was announced with.
    cairo_surface_t* heldFrame() const { return m_held; }
    int64_t heldAt() const { return m_heldAt; }
    uint64_t announcedCount() const { return m_announcedCount; }

private:
    static void frameAnnounced(sdbus::Message& message);
    void hold(uint64_t announcedCount);

    quartz::SharedFrameBuffer& m_frames;
    cairo_surface_t* m_held = nullptr;
    int64_t m_heldAt = 0;
    uint64_t m_announcedCount = 0;
    bool m_waiting = false;
};

}
