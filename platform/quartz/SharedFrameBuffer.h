#pragma once
// An application's drawn frames, shared with the shell without copying them
// through the bus: a memfd holding a header and two pixel slots (cairo ARGB32,
// premultiplied, native byte order). The application draws into the slot the
// shell is not reading and then publishes it; each slot has a sequence number
// that is odd while it is written, so a reader can tell a torn copy and retry.

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <string>

namespace quartz {

struct SharedFrameHeader;

class SharedFrameBuffer {
public:
    // A new buffer for frames of `width` × `height` pixels, or nullptr with
    // `error` set.
    static std::unique_ptr<SharedFrameBuffer> create(int width, int height, std::string* error);
    // Maps a buffer another process made (taking a duplicate of `fd`); checks
    // the header against the file's size, since the file comes from another
    // process. nullptr with `error` set when it does not hold.
    static std::unique_ptr<SharedFrameBuffer> map(int fd, std::string* error);
    ~SharedFrameBuffer();

    SharedFrameBuffer(const SharedFrameBuffer&) = delete;
    SharedFrameBuffer& operator=(const SharedFrameBuffer&) = delete;

    int fileDescriptor() const { return m_fd; }
    int width() const;
    int height() const;

    // Copies `surface` (an ARGB32 image of this buffer's size) into the free
    // slot and makes it the current frame; false when the sizes differ.
    bool publish(cairo_surface_t* surface);
    // The number of frames published so far (0: none yet).
    uint64_t frameCount() const;
    // A new image surface holding the current frame, or nullptr before the
    // first one. The caller owns it.
    cairo_surface_t* copyCurrentFrame() const;

private:
    SharedFrameBuffer(int fd, void* memory, size_t size);
    SharedFrameHeader* header() const;
    uint8_t* slot(uint32_t index) const;

    int m_fd;
    void* m_memory;
    size_t m_size;
};

}
