#include "SharedFrameBuffer.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quartz {

namespace {

constexpr uint32_t kMagic = 0x44574642; // "DWFB"
constexpr int kLargestSide = 16384;
constexpr int kCopyAttempts = 64;

}

struct SharedFrameHeader {
    uint32_t magic;
    int32_t width;
    int32_t height;
    int32_t stride;
    std::atomic<uint32_t> current;
    std::atomic<uint64_t> frameCount;
    std::atomic<uint64_t> sequence[2];
};

static_assert(std::atomic<uint64_t>::is_always_lock_free, "frames are shared between processes");

namespace {

size_t headerSize()
{
    // Slots start on a cache line of their own.
    return (sizeof(SharedFrameHeader) + 63) / 64 * 64;
}

size_t slotSize(int stride, int height)
{
    return static_cast<size_t>(stride) * static_cast<size_t>(height);
}

std::string systemError(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

}

SharedFrameBuffer::SharedFrameBuffer(int fd, void* memory, size_t size)
    : m_fd(fd)
    , m_memory(memory)
    , m_size(size)
{
}

SharedFrameBuffer::~SharedFrameBuffer()
{
    munmap(m_memory, m_size);
    close(m_fd);
}

SharedFrameHeader* SharedFrameBuffer::header() const
{
    return static_cast<SharedFrameHeader*>(m_memory);
}

uint8_t* SharedFrameBuffer::slot(uint32_t index) const
{
    auto* first = static_cast<uint8_t*>(m_memory) + headerSize();
    return first + slotSize(header()->stride, header()->height) * (index & 1u);
}

int SharedFrameBuffer::width() const
{
    return header()->width;
}

int SharedFrameBuffer::height() const
{
    return header()->height;
}

std::unique_ptr<SharedFrameBuffer> SharedFrameBuffer::create(int width, int height, std::string* error)
{
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) {
        *error = "a frame of " + std::to_string(width) + "x" + std::to_string(height) + " pixels is out of range";
        return nullptr;
    }
    int const stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width);
    size_t const size = headerSize() + 2 * slotSize(stride, height);
    int fd = memfd_create("drawlet-frames", MFD_CLOEXEC);
    if (fd < 0) {
        *error = systemError("memfd_create");
        return nullptr;
    }
    if (ftruncate(fd, static_cast<off_t>(size)) != 0) {
        *error = systemError("ftruncate");
        close(fd);
        return nullptr;
    }
    void* memory = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (memory == MAP_FAILED) {
        *error = systemError("mmap");
        close(fd);
        return nullptr;
    }
    auto* header = new (memory) SharedFrameHeader {};
    header->magic = kMagic;
    header->width = width;
    header->height = height;
    header->stride = stride;
    return std::unique_ptr<SharedFrameBuffer>(new SharedFrameBuffer(fd, memory, size));
}

std::unique_ptr<SharedFrameBuffer> SharedFrameBuffer::map(int fd, std::string* error)
{
    int own = fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (own < 0) {
        *error = systemError("dup");
        return nullptr;
    }
    struct stat status {};
    if (fstat(own, &status) != 0 || static_cast<size_t>(status.st_size) < headerSize()) {
        *error = "the frame buffer is too small to hold its header";
        close(own);
        return nullptr;
    }
    size_t const size = static_cast<size_t>(status.st_size);
    // Read-only here, so a reader can never change the writer's frames.
    void* memory = mmap(nullptr, size, PROT_READ, MAP_SHARED, own, 0);
    if (memory == MAP_FAILED) {
        *error = systemError("mmap");
        close(own);
        return nullptr;
    }
    auto const* header = static_cast<const SharedFrameHeader*>(memory);
    bool const sane = header->magic == kMagic && header->width > 0 && header->height > 0 && header->width <= kLargestSide
        && header->height <= kLargestSide && header->stride == cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, header->width)
        && headerSize() + 2 * slotSize(header->stride, header->height) <= size;
    if (!sane) {
        *error = "the frame buffer's header does not describe its contents";
        munmap(memory, size);
        close(own);
        return nullptr;
    }
    return std::unique_ptr<SharedFrameBuffer>(new SharedFrameBuffer(own, memory, size));
}

bool SharedFrameBuffer::publish(cairo_surface_t* surface)
{
    if (cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32 || cairo_image_surface_get_width(surface) != width()
        || cairo_image_surface_get_height(surface) != height())
        return false;
    cairo_surface_flush(surface);
    auto* h = header();
    uint32_t const target = h->current.load() ^ 1u;
    h->sequence[target].fetch_add(1);
    uint8_t* destination = slot(target);
    uint8_t const* source = cairo_image_surface_get_data(surface);
    int const sourceStride = cairo_image_surface_get_stride(surface);
    size_t const rowBytes = static_cast<size_t>(width()) * 4;
    for (int row = 0; row < height(); ++row)
        std::memcpy(destination + static_cast<size_t>(row) * h->stride, source + static_cast<size_t>(row) * sourceStride, rowBytes);
    h->sequence[target].fetch_add(1);
    h->current.store(target);
    h->frameCount.fetch_add(1);
    return true;
}

uint64_t SharedFrameBuffer::frameCount() const
{
    return header()->frameCount.load();
}

cairo_surface_t* SharedFrameBuffer::copyCurrentFrame() const
{
    auto* h = header();
    if (h->frameCount.load() == 0)
        return nullptr;
    cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width(), height());
    if (cairo_surface_status(copy) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(copy);
        return nullptr;
    }
    cairo_surface_flush(copy);
    uint8_t* destination = cairo_image_surface_get_data(copy);
    int const destinationStride = cairo_image_surface_get_stride(copy);
    size_t const rowBytes = static_cast<size_t>(width()) * 4;
    for (int attempt = 0; attempt < kCopyAttempts; ++attempt) {
        uint32_t const index = h->current.load() & 1u;
        uint64_t const before = h->sequence[index].load();
        if (before % 2 != 0)
            continue;
        uint8_t const* source = slot(index);
        for (int row = 0; row < height(); ++row)
            std::memcpy(destination + static_cast<size_t>(row) * destinationStride, source + static_cast<size_t>(row) * h->stride, rowBytes);
        if (h->sequence[index].load() == before)
            break;
    }
    cairo_surface_mark_dirty(copy);
    return copy;
}

}
