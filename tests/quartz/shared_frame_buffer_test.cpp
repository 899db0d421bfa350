// Frames shared between an application (publish) and the shell (map, take):
// the handshake keeps a held frame whole, and a file from another process is
// checked before it is believed.
#include "foundation/SystemLog.h"
#include "quartz/SharedFrameBuffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

using quartz::SharedFrameBuffer;

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;

// A frame filled with one colour; the caller owns it.
cairo_surface_t* solidFrame(uint32_t colour, int width = kWidth, int height = kHeight)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_surface_flush(surface);
    auto* data = cairo_image_surface_get_data(surface);
    int const stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            reinterpret_cast<uint32_t*>(data + y * stride)[x] = colour;
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

// The frame's one colour, or 0 when it holds more than one.
uint32_t colourOf(cairo_surface_t* frame)
{
    auto const* data = cairo_image_surface_get_data(frame);
    int const stride = cairo_image_surface_get_stride(frame);
    uint32_t const first = reinterpret_cast<const uint32_t*>(data)[0];
    for (int y = 0; y < cairo_image_surface_get_height(frame); ++y) {
        for (int x = 0; x < cairo_image_surface_get_width(frame); ++x) {
            if (reinterpret_cast<const uint32_t*>(data + y * stride)[x] != first)
                return 0;
        }
    }
    return first;
}

void publish(SharedFrameBuffer& buffer, uint32_t colour)
{
    cairo_surface_t* frame = solidFrame(colour);
    EXPECT_TRUE(buffer.publish(frame));
    cairo_surface_destroy(frame);
}

struct Pair {
    std::unique_ptr<SharedFrameBuffer> writer;
    std::unique_ptr<SharedFrameBuffer> reader;
};

Pair makePair()
{
    std::string error;
    Pair pair;
    pair.writer = SharedFrameBuffer::create(kWidth, kHeight, &error);
    EXPECT_TRUE(pair.writer) << error;
    if (pair.writer)
        pair.reader = SharedFrameBuffer::map(pair.writer->fileDescriptor(), &error);
    EXPECT_TRUE(pair.reader) << error;
    return pair;
}

}

TEST(SharedFrameBuffer, TheReaderTakesTheLatestFrameInPlaceAndAHeldFrameStaysWhole)
{
    auto [writer, reader] = makePair();
    ASSERT_TRUE(writer && reader);
    EXPECT_EQ(reader->takeLatestFrame(), nullptr) << "nothing published yet";

    publish(*writer, 0xff112233);
    cairo_surface_t* held = reader->takeLatestFrame();
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(colourOf(held), 0xff112233u);

    // The application draws on; the held frame is never drawn over.
    for (uint32_t colour : { 0xff000001u, 0xff000002u, 0xff000003u, 0xff000004u, 0xff000005u })
        publish(*writer, colour);
    EXPECT_EQ(colourOf(held), 0xff112233u);
    cairo_surface_destroy(held);

    cairo_surface_t* latest = reader->takeLatestFrame();
    ASSERT_NE(latest, nullptr);
    EXPECT_EQ(colourOf(latest), 0xff000005u);
    cairo_surface_destroy(latest);
    EXPECT_EQ(reader->frameCount(), 6u);

    cairo_surface_t* copy = reader->copyLatestFrame();
    publish(*writer, 0xff000006u);
    publish(*writer, 0xff000007u);
    EXPECT_EQ(colourOf(copy), 0xff000005u);
    cairo_surface_destroy(copy);
}

TEST(SharedFrameBuffer, AFrameOfAnotherSizeIsRefused)
{
    auto [writer, reader] = makePair();
    ASSERT_TRUE(writer);
    cairo_surface_t* wrong = solidFrame(0xffffffff, kWidth + 1, kHeight);
    EXPECT_FALSE(writer->publish(wrong));
    cairo_surface_destroy(wrong);
    EXPECT_EQ(writer->frameCount(), 0u);
    std::string error;
    EXPECT_FALSE(SharedFrameBuffer::create(0, 10, &error));
    EXPECT_FALSE(SharedFrameBuffer::create(100000, 10, &error));
}

TEST(SharedFrameBuffer, AFileFromAnotherProcessIsCheckedBeforeItIsMapped)
{
    std::string error;
    // Not sealed: its owner could shrink it under the shell's feet.
    int unsealed = memfd_create("frames", MFD_CLOEXEC);
    ASSERT_EQ(ftruncate(unsealed, 1 << 20), 0);
    EXPECT_FALSE(SharedFrameBuffer::map(unsealed, &error));
    EXPECT_NE(error.find("sealed"), std::string::npos) << error;
    close(unsealed);

    // Sealed, but the header claims more than the file holds.
    auto writer = SharedFrameBuffer::create(kWidth, kHeight, &error);
    ASSERT_TRUE(writer);
    int lying = memfd_create("frames", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    ASSERT_EQ(ftruncate(lying, 8192), 0);
    std::vector<char> headerPage(4096);
    ASSERT_EQ(pread(writer->fileDescriptor(), headerPage.data(), headerPage.size(), 0), 4096);
    ASSERT_EQ(pwrite(lying, headerPage.data(), headerPage.size(), 0), 4096);
    ASSERT_EQ(fcntl(lying, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW), 0);
    EXPECT_FALSE(SharedFrameBuffer::map(lying, &error));
    EXPECT_NE(error.find("header"), std::string::npos) << error;
    close(lying);

    // Too small for a header at all.
    int tiny = memfd_create("frames", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    ASSERT_EQ(ftruncate(tiny, 16), 0);
    ASSERT_EQ(fcntl(tiny, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW), 0);
    EXPECT_FALSE(SharedFrameBuffer::map(tiny, &error));
    close(tiny);
}

TEST(SharedFrameBuffer, AHeaderChangedAfterMappingStopsTheFramesWithOneLine)
{
    systemlog::reset();
    systemlog::setWritesToStandardError(false);
    auto [writer, reader] = makePair();
    ASSERT_TRUE(writer && reader);
    publish(*writer, 0xff445566);
    int32_t const wider = kWidth * 2;
    ASSERT_EQ(pwrite(writer->fileDescriptor(), &wider, sizeof wider, 4), static_cast<ssize_t>(sizeof wider));
    EXPECT_EQ(reader->takeLatestFrame(), nullptr);
    EXPECT_EQ(reader->takeLatestFrame(), nullptr);
    size_t lines = 0;
    for (auto const& message : systemlog::capturedMessages())
        lines += message.find("frames header changed") != std::string::npos ? 1 : 0;
    EXPECT_EQ(lines, 1u);
}

TEST(SharedFrameBuffer, EachFrameCarriesItsOwnSizeWithinTheSlotsPixels)
{
    auto [writer, reader] = makePair();
    ASSERT_TRUE(writer && reader);
    // The screen turned: as wide as it was high, the same pixels.
    cairo_surface_t* turned = solidFrame(0xff0000ffu, kHeight, kWidth); // NOLINT(readability-suspicious-call-argument)
    ASSERT_TRUE(writer->publish(turned));
    cairo_surface_destroy(turned);
    cairo_surface_t* frame = reader->takeLatestFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(cairo_image_surface_get_width(frame), kHeight);
    EXPECT_EQ(cairo_image_surface_get_height(frame), kWidth);
    EXPECT_EQ(colourOf(frame), 0xff0000ffu);
    cairo_surface_destroy(frame);
    cairo_surface_t* copy = reader->copyLatestFrame();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(cairo_image_surface_get_width(copy), kHeight);
    EXPECT_EQ(colourOf(copy), 0xff0000ffu);
    cairo_surface_destroy(copy);
    EXPECT_EQ(reader->width(), kWidth) << "the buffer keeps the size it was made for";

    // Upright again, the next frame has the buffer's own size.
    publish(*writer, 0xff00ff00u);
    frame = reader->takeLatestFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(cairo_image_surface_get_width(frame), kWidth);
    EXPECT_EQ(cairo_image_surface_get_height(frame), kHeight);
    EXPECT_EQ(colourOf(frame), 0xff00ff00u);
    cairo_surface_destroy(frame);
}

TEST(SharedFrameBuffer, AFrameSizeTooLargeForItsSlotIsNotBelievedAndLoggedOnce)
{
    systemlog::reset();
    systemlog::setWritesToStandardError(false);
    auto [writer, reader] = makePair();
    ASSERT_TRUE(writer && reader);
    publish(*writer, 0xff445566);
    // The first frame went to slot 0; its width sits after the header's
    // fixed fields, the three sequence numbers (byte 64). Another process
    // could write anything there.
    int32_t const huge = kWidth * 4;
    ASSERT_EQ(pwrite(writer->fileDescriptor(), &huge, sizeof huge, 64), static_cast<ssize_t>(sizeof huge));
    EXPECT_EQ(reader->takeLatestFrame(), nullptr);
    EXPECT_EQ(reader->copyLatestFrame(), nullptr);
    size_t lines = 0;
    for (auto const& message : systemlog::capturedMessages())
        lines += message.find("does not fit its slot") != std::string::npos ? 1 : 0;
    EXPECT_EQ(lines, 1u);

    // The next whole frame is shown again.
    publish(*writer, 0xff778899);
    cairo_surface_t* frame = reader->takeLatestFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(colourOf(frame), 0xff778899u);
    cairo_surface_destroy(frame);
    systemlog::setWritesToStandardError(true);
}
