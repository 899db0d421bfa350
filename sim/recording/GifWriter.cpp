#include "GifWriter.h"

#include <gif_lib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace sim {

namespace {

constexpr int kPaletteSize = 256;

bool sameRow(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, size_t offset, size_t bytes)
{
    return std::memcmp(a.data() + offset, b.data() + offset, bytes) == 0;
}

}

std::unique_ptr<GifWriter> GifWriter::create(const std::string& path, int width, int height, std::string* error)
{
    if (width < 1 || height < 1 || width > 65535 || height > 65535) {
        *error = "a GIF is 1 to 65535 pixels wide and high";
        return nullptr;
    }
    // Opened here rather than by giflib, which would make the file readable
    // by its owner only.
    int const descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        *error = std::string("cannot create the file: ") + std::strerror(errno);
        return nullptr;
    }
    int status = 0;
    GifFileType* file = EGifOpenFileHandle(descriptor, &status);
    if (!file) {
        ::close(descriptor);
        *error = std::string("cannot create the file: ") + GifErrorString(status);
        return nullptr;
    }
    std::unique_ptr<GifWriter> writer(new GifWriter);
    writer->m_file = file;
    writer->m_width = width;
    writer->m_height = height;
    // Delays and the loop need GIF89a; every frame brings its own palette.
    EGifSetGifVersion(file, true);
    if (EGifPutScreenDesc(file, width, height, 8, 0, nullptr) == GIF_ERROR) {
        writer->failed("the screen descriptor", error);
        return nullptr;
    }
    if (!writer->putLoopExtension(error))
        return nullptr;
    return writer;
}

GifWriter::~GifWriter()
{
    if (m_file)
        EGifCloseFile(m_file, nullptr);
}

bool GifWriter::failed(const char* step, std::string* error) const
{
    *error = std::string("cannot write ") + step + ": " + GifErrorString(m_file->Error);
    return false;
}

// The NETSCAPE2.0 application block: loop for ever.
bool GifWriter::putLoopExtension(std::string* error)
{
    static const char kApplication[] = "NETSCAPE2.0";
    static const GifByteType kLoopForever[3] = { 1, 0, 0 };
    if (EGifPutExtensionLeader(m_file, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR
        || EGifPutExtensionBlock(m_file, 11, kApplication) == GIF_ERROR
        || EGifPutExtensionBlock(m_file, sizeof kLoopForever, kLoopForever) == GIF_ERROR
        || EGifPutExtensionTrailer(m_file) == GIF_ERROR)
        return failed("the loop extension", error);
    return true;
}

GifWriter::Rectangle GifWriter::changedRectangle(const std::vector<uint8_t>& rgb) const
{
    Rectangle const whole { 0, 0, m_width, m_height };
    if (m_previous.size() != rgb.size())
        return whole;
    size_t const rowBytes = static_cast<size_t>(m_width) * 3;
    int top = 0;
    while (top < m_height && sameRow(rgb, m_previous, top * rowBytes, rowBytes))
        ++top;
    // Nothing changed: one pixel, as it was, keeps the frame's place and delay.
    if (top == m_height)
        return { 0, 0, 1, 1 };
    int bottom = m_height - 1;
    while (bottom > top && sameRow(rgb, m_previous, bottom * rowBytes, rowBytes))
        --bottom;
    int left = m_width;
    int right = -1;
    for (int y = top; y <= bottom; ++y) {
        const uint8_t* now = rgb.data() + y * rowBytes;
        const uint8_t* before = m_previous.data() + y * rowBytes;
        for (int x = 0; x < left; ++x) {
            if (std::memcmp(now + x * 3, before + x * 3, 3) != 0) {
                left = x;
                break;
            }
        }
        for (int x = m_width - 1; x > right; --x) {
            if (std::memcmp(now + x * 3, before + x * 3, 3) != 0) {
                right = x;
                break;
            }
        }
    }
    return { left, top, right - left + 1, bottom - top + 1 };
}

bool GifWriter::addFrame(const std::vector<uint8_t>& rgb, int delayCentiseconds, std::string* error)
{
    if (!m_file) {
        *error = "the GIF is closed";
        return false;
    }
    if (rgb.size() != static_cast<size_t>(m_width) * m_height * 3) {
        *error = "a frame of the wrong size";
        return false;
    }
    if (!putImage(rgb, changedRectangle(rgb), std::clamp(delayCentiseconds, 0, 65535), error))
        return false;
    m_previous = rgb;
    ++m_frames;
    return true;
}

bool GifWriter::putImage(const std::vector<uint8_t>& rgb, Rectangle area, int delayCentiseconds, std::string* error)
{
    size_t const pixels = static_cast<size_t>(area.width) * area.height;
    std::vector<GifByteType> red(pixels), green(pixels), blue(pixels), indices(pixels);
    for (int y = 0; y < area.height; ++y) {
        const uint8_t* source = rgb.data() + (static_cast<size_t>(area.top + y) * m_width + area.left) * 3;
        for (int x = 0; x < area.width; ++x) {
            size_t const at = static_cast<size_t>(y) * area.width + x;
            red[at] = source[x * 3];
            green[at] = source[x * 3 + 1];
            blue[at] = source[x * 3 + 2];
        }
    }
    GifColorType colors[kPaletteSize] {};
    int colorCount = kPaletteSize;
    if (GifQuantizeBuffer(area.width, area.height, &colorCount, red.data(), green.data(), blue.data(), indices.data(), colors) == GIF_ERROR) {
        *error = "cannot make the frame's palette";
        return false;
    }

    // Each frame is drawn over the one before, which stays where it is not covered.
    GraphicsControlBlock control { DISPOSE_DO_NOT, false, delayCentiseconds, NO_TRANSPARENT_COLOR };
    GifByteType extension[4];
    size_t const length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(m_file, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_ERROR)
        return failed("a frame's delay", error);

    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> palette(GifMakeMapObject(kPaletteSize, colors), GifFreeMapObject);
    if (!palette) {
        *error = "cannot make the frame's palette";
        return false;
    }
    if (EGifPutImageDesc(m_file, area.left, area.top, area.width, area.height, false, palette.get()) == GIF_ERROR)
        return failed("a frame's descriptor", error);
    for (int y = 0; y < area.height; ++y) {
        if (EGifPutLine(m_file, indices.data() + static_cast<size_t>(y) * area.width, area.width) == GIF_ERROR)
            return failed("a frame's pixels", error);
    }
    return true;
}

bool GifWriter::close(std::string* error)
{
    if (!m_file) {
        *error = "the GIF is closed";
        return false;
    }
    int status = 0;
    int const result = EGifCloseFile(m_file, &status);
    m_file = nullptr;
    if (result == GIF_ERROR) {
        *error = std::string("cannot finish the file: ") + GifErrorString(status);
        return false;
    }
    return true;
}

}
