#include "ScreenRecorder.h"

#include "Compositor.h"
#include "GifWriter.h"
#include "RgbaPng.h"

#include "foundation/SystemLog.h"
#include "uikit/UIScreen.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace sim {

namespace fs = std::filesystem;

namespace {

// A recording's frames are named frame-NNNN.png (four digits or more).
bool isFrameName(std::string_view name)
{
    constexpr std::string_view prefix = "frame-";
    constexpr std::string_view suffix = ".png";
    if (name.size() < prefix.size() + 4 + suffix.size() || !name.starts_with(prefix) || !name.ends_with(suffix))
        return false;
    std::string_view const number = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    return std::all_of(number.begin(), number.end(), [](char digit) { return digit >= '0' && digit <= '9'; });
}

// Only a recording's frames are removed.
bool removeEarlierFrames(const fs::path& folder, std::string* error)
{
    std::error_code status;
    std::vector<fs::path> earlier;
    for (auto const& entry : fs::directory_iterator(folder, status)) {
        if (entry.is_regular_file() && isFrameName(entry.path().filename().string()))
            earlier.push_back(entry.path());
    }
    if (status) {
        *error = "cannot read the folder " + folder.string() + ": " + status.message();
        return false;
    }
    for (auto const& path : earlier) {
        if (!fs::remove(path, status)) {
            *error = "cannot remove the earlier frame " + path.string() + ": " + status.message();
            return false;
        }
    }
    return true;
}

std::string framePath(const std::string& folder, int frame)
{
    char name[32];
    std::snprintf(name, sizeof name, "frame-%04d.png", frame);
    return (fs::path(folder) / name).string();
}

// The screen fitted into the GIF's size (a turned screen is letterboxed), as
// RGB bytes; the screen is opaque, so cairo's premultiplied pixels are the
// colours themselves.
std::vector<uint8_t> gifPixels(cairo_surface_t* screen, int width, int height)
{
    cairo_surface_t* picture = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cairo = cairo_create(picture);
    cairo_set_source_rgb(cairo, 0, 0, 0);
    cairo_paint(cairo);
    double const screenWidth = cairo_image_surface_get_width(screen);
    double const screenHeight = cairo_image_surface_get_height(screen);
    double const factor = std::min(width / screenWidth, height / screenHeight);
    cairo_translate(cairo, (width - screenWidth * factor) / 2, (height - screenHeight * factor) / 2);
    cairo_scale(cairo, factor, factor);
    cairo_set_source_surface(cairo, screen, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cairo), CAIRO_FILTER_GOOD);
    cairo_paint(cairo);
    cairo_destroy(cairo);
    cairo_surface_flush(picture);

    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    const uint8_t* data = cairo_image_surface_get_data(picture);
    int const stride = cairo_image_surface_get_stride(picture);
    for (int y = 0; y < height; ++y) {
        auto const* row = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            size_t const at = (static_cast<size_t>(y) * width + x) * 3;
            rgb[at] = static_cast<uint8_t>(row[x] >> 16);
            rgb[at + 1] = static_cast<uint8_t>(row[x] >> 8);
            rgb[at + 2] = static_cast<uint8_t>(row[x]);
        }
    }
    cairo_surface_destroy(picture);
    return rgb;
}

}

std::unique_ptr<ScreenRecorder> ScreenRecorder::start(const std::string& folder, const std::string& name, int framesPerSecond, std::string* error)
{
    if (framesPerSecond < 1 || framesPerSecond > 1000) {
        *error = "the frame rate must be 1 to 1000 frames a second";
        return nullptr;
    }
    std::error_code status;
    fs::create_directories(folder, status);
    if (status) {
        *error = "cannot make the folder " + folder + ": " + status.message();
        return nullptr;
    }
    if (!removeEarlierFrames(folder, error))
        return nullptr;

    std::unique_ptr<ScreenRecorder> recorder(new ScreenRecorder);
    recorder->m_folder = folder;
    recorder->m_gifPath = (fs::path(folder) / (name + ".gif")).string();
    recorder->m_framesPerSecond = framesPerSecond;
    // The GIF keeps the screen's first shape, at one pixel a point.
    CGSize const screen = uikit::mainScreenBounds().size;
    recorder->m_gifWidth = std::max(1, static_cast<int>(std::lround(screen.width)));
    recorder->m_gifHeight = std::max(1, static_cast<int>(std::lround(screen.height)));
    recorder->m_gif = GifWriter::create(recorder->m_gifPath, recorder->m_gifWidth, recorder->m_gifHeight, error);
    if (!recorder->m_gif) {
        *error = "cannot make " + recorder->m_gifPath + ": " + *error;
        return nullptr;
    }
    // The first frame is taken now, before whatever runs next at this instant.
    recorder->m_startNanoseconds = dispatch::RunLoop::main().nowNanoseconds();
    recorder->takeFrame();
    return recorder;
}

ScreenRecorder::~ScreenRecorder()
{
    if (m_scheduled)
        dispatch::RunLoop::main().cancel(m_timer);
}

// Computed from the start each time, so that rounding never drifts.
int64_t ScreenRecorder::frameInstant(int frame) const
{
    return m_startNanoseconds + std::llround(frame * 1e9 / m_framesPerSecond);
}

void ScreenRecorder::scheduleFrame()
{
    m_timer = dispatch::RunLoop::main().scheduleAt(frameInstant(m_frames), [this] {
        m_scheduled = false;
        takeFrame();
    });
    m_scheduled = true;
}

void ScreenRecorder::takeFrame()
{
    std::string error;
    if (!recordFrame(&error)) {
        m_failure = "frame " + std::to_string(m_frames) + ": " + error;
        systemlog::write(kCFLogLevelError, "drawlet-sim: recording stopped at " + m_failure);
        return;
    }
    ++m_frames;
    scheduleFrame();
}

bool ScreenRecorder::recordFrame(std::string* error)
{
    cairo_surface_t* screen = compositor::drawScreen(error);
    if (!screen)
        return false;
    std::string const path = framePath(m_folder, m_frames);
    bool written = writeRgbaPng(screen, path, error, PngCompression::Fast);
    if (!written)
        *error = "cannot write " + path + ": " + *error;
    // A GIF frame shows until the next frame's instant, in whole centiseconds
    // of the time since the start.
    auto centiseconds = [this](int frame) { return std::llround((frameInstant(frame) - m_startNanoseconds) / 1e7); };
    int const delay = static_cast<int>(centiseconds(m_frames + 1) - centiseconds(m_frames));
    if (written)
        written = m_gif->addFrame(gifPixels(screen, m_gifWidth, m_gifHeight), delay, error);
    cairo_surface_destroy(screen);
    return written;
}

bool ScreenRecorder::finish(std::string* error)
{
    if (m_scheduled) {
        dispatch::RunLoop::main().cancel(m_timer);
        m_scheduled = false;
    }
    if (!m_gif) {
        *error = "the recording is finished";
        return false;
    }
    std::string closing;
    bool const closed = m_gif->close(&closing);
    m_gif.reset();
    if (!m_failure.empty()) {
        *error = m_failure;
        return false;
    }
    if (!closed) {
        *error = "cannot finish " + m_gifPath + ": " + closing;
        return false;
    }
    return true;
}

}
