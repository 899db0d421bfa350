#include "SharedFrameBuffer.h"

#include "foundation/SystemLog.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quartz {

namespace {

constexpr uint32_t kMagic = 0x44574635; // "DWF5": frames carry their size and changed rows
constexpr uint32_t kNoSlot = UINT32_MAX;
constexpr int kLargestSide = 16384;
constexpr int kTakeAttempts = 64;
// The header has a page of its own, so it can be mapped writable apart from
// the frames.
constexpr size_t kHeaderBytes = 4096;
constexpr int kRequiredSeals = F_SEAL_SHRINK | F_SEAL_GROW;

}

struct SharedFrameHeader {
    uint32_t magic;
    int32_t width;
    int32_t height;
    int32_t stride;
    uint32_t slotCount;
    // The slot of the latest whole frame, and the slot the reader holds.
    std::atomic<uint32_t> latest;
    std::atomic<uint32_t> held;
    std::atomic<uint64_t> frameCount;
    std::atomic<uint64_t> sequence[SharedFrameBuffer::kSlotCount];
    // Each slot's frame size in pixels, written with its pixels.
    std::atomic<int32_t> frameWidth[SharedFrameBuffer::kSlotCount];
    std::atomic<int32_t> frameHeight[SharedFrameBuffer::kSlotCount];
    // Each slot's frame number.
    std::atomic<uint64_t> slotFrame[SharedFrameBuffer::kSlotCount];
    // Frame n's changed rows sit at n % kChangeHistory; `changeFrame` says
    // whose they are (0 while they are written). A top of -1: every row.
    std::atomic<uint64_t> changeFrame[SharedFrameBuffer::kChangeHistory];
    std::atomic<int32_t> changeTop[SharedFrameBuffer::kChangeHistory];
    std::atomic<int32_t> changeBottom[SharedFrameBuffer::kChangeHistory];
    std::atomic<int32_t> changeWidth[SharedFrameBuffer::kChangeHistory];
    std::atomic<int32_t> changeHeight[SharedFrameBuffer::kChangeHistory];
};

static_assert(sizeof(SharedFrameHeader) <= kHeaderBytes);
static_assert(std::atomic<uint64_t>::is_always_lock_free && std::atomic<uint32_t>::is_always_lock_free && std::atomic<int32_t>::is_always_lock_free,
    "frames are shared between processes");

namespace {

size_t slotBytes(int stride, int height)
{
    return static_cast<size_t>(stride) * static_cast<size_t>(height);
}

std::string frameBufferError(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

bool validSize(int width, int height)
{
    return width > 0 && height > 0 && width <= kLargestSide && height <= kLargestSide;
}

// The rows [top, bottom) where two frames of `height` rows differ; empty
// (top == bottom) when they are the same.
void findChangedRows(const uint8_t* before, const uint8_t* after, size_t beforeStride, size_t afterStride, size_t rowBytes, int height, int* top, int* bottom)
{
    int first = 0;
    while (first < height && std::memcmp(before + first * beforeStride, after + first * afterStride, rowBytes) == 0)
        ++first;
    int last = height;
    while (last > first && std::memcmp(before + (last - 1) * beforeStride, after + (last - 1) * afterStride, rowBytes) == 0)
        --last;
    *top = first;
    *bottom = last;
}

}

SharedFrameBuffer::SharedFrameBuffer(int fd, void* header, void* slots, size_t slotsSize, int width, int height, int stride)
    : m_fd(fd)
    , m_header(header)
    , m_slots(slots)
    , m_slotsSize(slotsSize)
    , m_width(width)
    , m_height(height)
    , m_stride(stride)
{
}

SharedFrameBuffer::~SharedFrameBuffer()
{
    munmap(m_slots, m_slotsSize);
    munmap(m_header, kHeaderBytes);
    close(m_fd);
}

SharedFrameHeader* SharedFrameBuffer::header() const
{
    return static_cast<SharedFrameHeader*>(m_header);
}

size_t SharedFrameBuffer::slotCapacity() const
{
    return slotBytes(m_stride, m_height);
}

uint8_t* SharedFrameBuffer::slot(uint32_t index) const
{
    return static_cast<uint8_t*>(m_slots) + slotCapacity() * (index % kSlotCount);
}

bool SharedFrameBuffer::fitsSlot(int width, int height) const
{
    return validSize(width, height) && slotBytes(cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width), height) <= slotCapacity();
}

std::unique_ptr<SharedFrameBuffer> SharedFrameBuffer::create(int width, int height, std::string* error)
{
    if (!validSize(width, height)) {
        *error = "a frame of " + std::to_string(width) + "x" + std::to_string(height) + " pixels is out of range";
        return nullptr;
    }
    int const stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width);
    size_t const slotsSize = kSlotCount * slotBytes(stride, height);
    int fd = memfd_create("drawlet-frames", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0) {
        *error = frameBufferError("memfd_create");
        return nullptr;
    }
    if (ftruncate(fd, static_cast<off_t>(kHeaderBytes + slotsSize)) != 0 || fcntl(fd, F_ADD_SEALS, kRequiredSeals | F_SEAL_SEAL) != 0) {
        *error = frameBufferError("sizing and sealing the frames");
        close(fd);
        return nullptr;
    }
    void* headerMemory = mmap(nullptr, kHeaderBytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    void* slots = headerMemory == MAP_FAILED ? MAP_FAILED : mmap(nullptr, slotsSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, kHeaderBytes);
    if (slots == MAP_FAILED) {
        *error = frameBufferError("mmap");
        if (headerMemory != MAP_FAILED)
            munmap(headerMemory, kHeaderBytes);
        close(fd);
        return nullptr;
    }
    auto* header = new (headerMemory) SharedFrameHeader {};
    header->magic = kMagic;
    header->width = width;
    header->height = height;
    header->stride = stride;
    header->slotCount = kSlotCount;
    header->latest = kNoSlot;
    header->held = kNoSlot;
    for (uint32_t index = 0; index < kSlotCount; ++index) {
        header->frameWidth[index] = width;
        header->frameHeight[index] = height;
    }
    return std::unique_ptr<SharedFrameBuffer>(new SharedFrameBuffer(fd, headerMemory, slots, slotsSize, width, height, stride));
}

std::unique_ptr<SharedFrameBuffer> SharedFrameBuffer::map(int fd, std::string* error)
{
    int own = fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (own < 0) {
        *error = frameBufferError("dup");
        return nullptr;
    }
    auto fail = [&](std::string reason, void* headerMemory = nullptr) -> std::unique_ptr<SharedFrameBuffer> {
        *error = std::move(reason);
        if (headerMemory)
            munmap(headerMemory, kHeaderBytes);
        close(own);
        return nullptr;
    };
    int const seals = fcntl(own, F_GET_SEALS);
    if (seals < 0 || (seals & kRequiredSeals) != kRequiredSeals)
        return fail("the frames' file is not sealed against changing size");
    struct stat status { };
    if (fstat(own, &status) != 0 || static_cast<size_t>(status.st_size) < kHeaderBytes)
        return fail("the frames' file is too small to hold its header");
    void* headerMemory = mmap(nullptr, kHeaderBytes, PROT_READ | PROT_WRITE, MAP_SHARED, own, 0);
    if (headerMemory == MAP_FAILED)
        return fail(frameBufferError("mmap"));
    auto const* header = static_cast<const SharedFrameHeader*>(headerMemory);
    int const width = header->width;
    int const height = header->height;
    int const stride = header->stride;
    bool const sane = header->magic == kMagic && header->slotCount == kSlotCount && validSize(width, height)
        && stride == cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width)
        && kHeaderBytes + kSlotCount * slotBytes(stride, height) <= static_cast<size_t>(status.st_size);
    if (!sane)
        return fail("the frames' header does not describe its file", headerMemory);
    size_t const slotsSize = kSlotCount * slotBytes(stride, height);
    // Read-only: the shell can never change the application's frames.
    void* slots = mmap(nullptr, slotsSize, PROT_READ, MAP_SHARED, own, kHeaderBytes);
    if (slots == MAP_FAILED)
        return fail(frameBufferError("mmap"), headerMemory);
    return std::unique_ptr<SharedFrameBuffer>(new SharedFrameBuffer(own, headerMemory, slots, slotsSize, width, height, stride));
}

bool SharedFrameBuffer::publish(cairo_surface_t* surface)
{
    int const width = cairo_image_surface_get_width(surface);
    int const height = cairo_image_surface_get_height(surface);
    if (cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32 || !fitsSlot(width, height))
        return false;
    int const stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width);
    cairo_surface_flush(surface);
    auto* h = header();
    uint32_t const latest = h->latest.load();
    uint32_t const held = h->held.load();
    uint32_t target = 0;
    while (target == latest || target == held)
        ++target;
    uint64_t const number = h->frameCount.load() + 1;
    uint8_t const* source = cairo_image_surface_get_data(surface);
    int const sourceStride = cairo_image_surface_get_stride(surface);
    size_t const rowBytes = static_cast<size_t>(width) * 4;
    // The latest slot holds the frame before this one; the shell only reads it.
    int top = -1;
    int bottom = -1;
    if (latest < kSlotCount && h->frameWidth[latest].load() == width && h->frameHeight[latest].load() == height)
        findChangedRows(slot(latest), source, stride, sourceStride, rowBytes, height, &top, &bottom);
    uint64_t const entry = number % kChangeHistory;
    h->changeFrame[entry].store(0);
    h->changeTop[entry].store(top);
    h->changeBottom[entry].store(bottom);
    h->changeWidth[entry].store(width);
    h->changeHeight[entry].store(height);
    h->changeFrame[entry].store(number);
    h->sequence[target].fetch_add(1);
    h->frameWidth[target].store(width);
    h->frameHeight[target].store(height);
    h->slotFrame[target].store(number);
    uint8_t* destination = slot(target);
    for (int row = 0; row < height; ++row)
        std::memcpy(destination + static_cast<size_t>(row) * stride, source + static_cast<size_t>(row) * sourceStride, rowBytes);
    h->sequence[target].fetch_add(1);
    h->latest.store(target);
    h->frameCount.fetch_add(1);
    return true;
}

uint64_t SharedFrameBuffer::frameCount() const
{
    return header()->frameCount.load();
}

uint64_t SharedFrameBuffer::latestFrameNumber() const
{
    auto const* h = header();
    uint32_t const latest = h->latest.load();
    return latest < kSlotCount ? h->slotFrame[latest].load() : 0;
}

std::optional<SharedFrameBuffer::ChangedRows> SharedFrameBuffer::changedRows(uint64_t since, uint64_t upTo) const
{
    if (since == 0 || upTo < since || upTo - since > kChangeHistory)
        return std::nullopt;
    auto const* h = header();
    ChangedRows rows;
    bool any = false;
    for (uint64_t number = since + 1; number <= upTo; ++number) {
        uint64_t const entry = number % kChangeHistory;
        int const top = h->changeTop[entry].load();
        int const bottom = h->changeBottom[entry].load();
        int const width = h->changeWidth[entry].load();
        int const height = h->changeHeight[entry].load();
        // Read again after: the writer may have been reusing the entry.
        if (h->changeFrame[entry].load() != number || !validSize(width, height) || top < 0 || top > bottom || bottom > height)
            return std::nullopt;
        if (number > since + 1 && (width != rows.frameWidth || height != rows.frameHeight))
            return std::nullopt;
        rows.frameWidth = width;
        rows.frameHeight = height;
        if (top == bottom)
            continue;
        rows.top = any ? std::min(rows.top, top) : top;
        rows.bottom = any ? std::max(rows.bottom, bottom) : bottom;
        any = true;
    }
    return rows;
}

bool SharedFrameBuffer::headerStillHolds()
{
    auto const* h = header();
    if (h->magic == kMagic && h->width == m_width && h->height == m_height && h->stride == m_stride && h->slotCount == kSlotCount)
        return true;
    if (!m_reportedBadHeader)
        CFLog(kCFLogLevelError, "quartz: a frames header changed after it was mapped; its frames are no longer shown");
    m_reportedBadHeader = true;
    return false;
}

cairo_surface_t* SharedFrameBuffer::takeLatestFrame()
{
    if (!headerStillHolds())
        return nullptr;
    auto* h = header();
    for (int attempt = 0; attempt < kTakeAttempts; ++attempt) {
        uint32_t const latest = h->latest.load();
        if (latest >= kSlotCount)
            return nullptr;
        h->held.store(latest);
        // Still the latest once held: the writer will not choose it now.
        if (h->latest.load() != latest || h->sequence[latest].load() % 2 != 0)
            continue;
        // Read once: the writer is another process, and what is checked must
        // be what is used.
        int const width = h->frameWidth[latest].load();
        int const height = h->frameHeight[latest].load();
        if (!fitsSlot(width, height)) {
            if (!m_reportedBadFrameSize)
                CFLog(kCFLogLevelError, "quartz: a frame of %dx%d pixels does not fit its slot; such frames are not shown", width, height);
            m_reportedBadFrameSize = true;
            return nullptr;
        }
        return cairo_image_surface_create_for_data(slot(latest), CAIRO_FORMAT_ARGB32, width, height, cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width));
    }
    return nullptr;
}

cairo_surface_t* SharedFrameBuffer::copyLatestFrame()
{
    cairo_surface_t* frame = takeLatestFrame();
    if (!frame)
        return nullptr;
    cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(frame), cairo_image_surface_get_height(frame));
    cairo_t* cairo = cairo_create(copy);
    cairo_set_operator(cairo, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cairo, frame, 0, 0);
    cairo_paint(cairo);
    cairo_destroy(cairo);
    cairo_surface_destroy(frame);
    cairo_surface_flush(copy);
    return copy;
}

}
