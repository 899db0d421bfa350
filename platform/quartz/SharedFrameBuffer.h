#pragma once
// An application's drawn frames, shared with the shell without copying them
// through the bus: a memfd, sealed against shrinking and growing, holding a
// header page and three pixel slots (cairo ARGB32, premultiplied, native byte
// order). The application draws into a slot that is neither the latest frame
// nor the one the shell holds, then publishes it as the latest; the shell
// takes the latest by marking it held, so it reads it in place while the
// application draws elsewhere. Every slot also carries a sequence number, odd
// while it is written, as a second guard against a torn read. Each frame
// carries its own size: a slot holds any frame of no more pixels than the
// buffer was made for, so a turned screen (width and height swapped) fits.
// Beside the frames the header keeps, for the last few, which rows each
// changed from the frame before it, so the shell redraws only those.

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace quartz {

struct SharedFrameHeader;

class SharedFrameBuffer {
public:
    static constexpr uint32_t kSlotCount = 3;

    // A new buffer for frames of `width` × `height` pixels, or nullptr with
    // `error` set.
    static std::unique_ptr<SharedFrameBuffer> create(int width, int height, std::string* error);
    // Maps a buffer another process made (taking a duplicate of `fd`). The
    // file comes from another process, so its seals, size and header are
    // checked first; nullptr with `error` set when they do not hold. Only the
    // header is writable here (for the handshake): the frames are read-only.
    static std::unique_ptr<SharedFrameBuffer> map(int fd, std::string* error);
    ~SharedFrameBuffer();

    SharedFrameBuffer(const SharedFrameBuffer&) = delete;
    SharedFrameBuffer& operator=(const SharedFrameBuffer&) = delete;

    int fileDescriptor() const { return m_fd; }
    // The size the buffer was made for; a frame may have another shape of no
    // more pixels.
    int width() const { return m_width; }
    int height() const { return m_height; }

    // The application's side: copies `surface` (an ARGB32 image of this
    // buffer's size, or of another shape that fits a slot, such as the same
    // size turned) into a free slot and makes it the latest frame; false when
    // it does not fit.
    bool publish(cairo_surface_t* surface);
    // The number of frames published so far (0: none yet).
    uint64_t frameCount() const;
    // The number of the latest whole frame, as frameCount counts (0: none).
    uint64_t latestFrameNumber() const;

    // The rows [top, bottom) of frame `upTo` that may differ from frame
    // `since`, and the frames' size (the same for all frames between).
    struct ChangedRows {
        int top = 0;
        int bottom = 0;
        int frameWidth = 0;
        int frameHeight = 0;
    };
    // Empty when that is not known: `since` is no frame, a frame between
    // changed size or is no longer remembered (kChangeHistory frames are).
    std::optional<ChangedRows> changedRows(uint64_t since, uint64_t upTo) const;
    static constexpr uint64_t kChangeHistory = 16;

    // The shell's side: an image surface over the latest whole frame, of the
    // frame's own size, in place (no copy), valid until the next take or
    // until this buffer goes; the caller owns the surface object. nullptr
    // before the first frame, or (with one log line) when the header no
    // longer describes the buffer or the frame's size does not fit its slot.
    cairo_surface_t* takeLatestFrame();
    // A copy of the latest whole frame that outlives the buffer.
    cairo_surface_t* copyLatestFrame();

private:
    SharedFrameBuffer(int fd, void* header, void* slots, size_t slotsSize, int width, int height, int stride);
    SharedFrameHeader* header() const;
    uint8_t* slot(uint32_t index) const;
    bool headerStillHolds();
    size_t slotCapacity() const;
    bool fitsSlot(int width, int height) const;

    int m_fd;
    void* m_header;
    void* m_slots;
    size_t m_slotsSize;
    // The shape read when the buffer was made or mapped; the header must
    // keep saying the same.
    int m_width;
    int m_height;
    int m_stride;
    bool m_reportedBadHeader = false;
    bool m_reportedBadFrameSize = false;
};

}
