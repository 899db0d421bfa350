#pragma once
// The last frame an application drew: a cairo image surface of its whole
// screen in pixels (points times scale), kept until the next one.

#include <cairo.h>

#include <string>

namespace apps {

class LastDrawnFrame {
public:
    LastDrawnFrame() = default;
    LastDrawnFrame(const LastDrawnFrame&) = delete;
    LastDrawnFrame& operator=(const LastDrawnFrame&) = delete;
    ~LastDrawnFrame();

    // Keeps `surface` (taking the reference) in place of the previous frame.
    void replace(cairo_surface_t* surface);
    // nullptr before the first frame.
    cairo_surface_t* surface() const { return m_surface; }

    // Writes the frame as an 8-bit RGBA PNG; false with the reason otherwise.
    bool savePng(const std::string& path, std::string* error) const;

private:
    cairo_surface_t* m_surface = nullptr;
};

}
