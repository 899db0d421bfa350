#include "RgbaPng.h"

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

namespace sim {

namespace {

// cairo's ARGB32 is premultiplied, native-endian 32-bit words; PNG wants
// straight RGBA bytes.
std::vector<uint8_t> straightRgbaRow(const uint8_t* row, int width)
{
    std::vector<uint8_t> out(static_cast<size_t>(width) * 4);
    auto const* pixels = reinterpret_cast<const uint32_t*>(row);
    for (int x = 0; x < width; ++x) {
        uint32_t const pixel = pixels[x];
        uint32_t const alpha = pixel >> 24;
        uint32_t channels[3] = { (pixel >> 16) & 0xff, (pixel >> 8) & 0xff, pixel & 0xff };
        for (int channel = 0; channel < 3; ++channel) {
            uint32_t value = channels[channel];
            if (alpha != 0 && alpha != 255)
                value = (value * 255 + alpha / 2) / alpha;
            out[x * 4 + channel] = static_cast<uint8_t>(value > 255 ? 255 : value);
        }
        out[x * 4 + 3] = static_cast<uint8_t>(alpha);
    }
    return out;
}

}

bool writeRgbaPng(cairo_surface_t* surface, const std::string& path, std::string* error, PngCompression compression)
{
    if (cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE || cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32) {
        *error = "not an ARGB32 image";
        return false;
    }
    cairo_surface_flush(surface);
    int const width = cairo_image_surface_get_width(surface);
    int const height = cairo_image_surface_get_height(surface);
    int const stride = cairo_image_surface_get_stride(surface);
    const uint8_t* data = cairo_image_surface_get_data(surface);

    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) {
        *error = "cannot open the file";
        return false;
    }
    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGBA;
    if (compression == PngCompression::Fast)
        image.flags |= PNG_IMAGE_FLAG_FAST;
    std::vector<uint8_t> rgba;
    rgba.reserve(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        auto row = straightRgbaRow(data + static_cast<ptrdiff_t>(y) * stride, width);
        rgba.insert(rgba.end(), row.begin(), row.end());
    }
    if (!png_image_write_to_stdio(&image, file.get(), 0, rgba.data(), 0, nullptr)) {
        *error = image.message;
        return false;
    }
    if (std::fflush(file.get()) != 0) {
        *error = "cannot write the file";
        return false;
    }
    return true;
}

}
