#include "FrameDrawing.h"

#include <algorithm>

namespace bench {

uint32_t colourOfFrame(uint64_t frameCount)
{
    // Neighbouring frames differ in every channel.
    auto const step = static_cast<uint32_t>(frameCount * 0x3B5F29u);
    return 0xFF000000u | (step & 0x00FFFFFFu);
}

void fillFrame(cairo_surface_t* surface, uint32_t colour)
{
    cairo_surface_flush(surface);
    uint8_t* data = cairo_image_surface_get_data(surface);
    int const stride = cairo_image_surface_get_stride(surface);
    int const width = cairo_image_surface_get_width(surface);
    for (int row = 0; row < cairo_image_surface_get_height(surface); ++row) {
        auto* pixels = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(row) * static_cast<size_t>(stride));
        std::fill(pixels, pixels + width, colour);
    }
    cairo_surface_mark_dirty(surface);
}

uint32_t firstPixel(cairo_surface_t* surface)
{
    return *reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface));
}

}
