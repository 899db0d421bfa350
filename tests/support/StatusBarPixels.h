#pragma once
// Whether a frame shows a status bar, read from its pixels: the top 20 points
// hold more than one colour only when the status bar is drawn (an
// application's own content starts below them).

#include <cairo.h>

#include <cstdint>
#include <set>

namespace testsupport {

inline bool showsStatusBar(cairo_surface_t* frame, int scale = 2)
{
    cairo_surface_flush(frame);
    auto const* data = cairo_image_surface_get_data(frame);
    int const stride = cairo_image_surface_get_stride(frame);
    int const width = cairo_image_surface_get_width(frame);
    std::set<uint32_t> colours;
    for (int y = 0; y < 20 * scale; ++y) {
        for (int x = 0; x < width; ++x)
            colours.insert(reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride)[x]);
    }
    return colours.size() > 1;
}

}
