#pragma once
// Reading back the pictures drawlet-sim writes.

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace simtest {

// The pixel of the PNG at (x, y) in pixels, as 0xAARRGGBB; 0 when it cannot be read.
inline uint32_t pngPixel(const std::filesystem::path& png, int x, int y)
{
    cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
    uint32_t value = 0;
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS && x >= 0 && y >= 0 && x < cairo_image_surface_get_width(image)
        && y < cairo_image_surface_get_height(image)) {
        auto const* row = cairo_image_surface_get_data(image) + static_cast<ptrdiff_t>(y) * cairo_image_surface_get_stride(image);
        value = reinterpret_cast<const uint32_t*>(row)[x];
    }
    cairo_surface_destroy(image);
    return value;
}

}
