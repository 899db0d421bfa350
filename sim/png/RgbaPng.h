#pragma once
// Writes a cairo image (ARGB32) as an 8-bit RGBA PNG, whatever it holds:
// cairo's own writer makes an opaque image RGB, and a frame's readers expect
// RGBA.

#include <cairo.h>

#include <string>

namespace sim {

// Fast trades a larger file for a quicker write (a recording's many frames).
enum class PngCompression {
    Small,
    Fast,
};

bool writeRgbaPng(cairo_surface_t* surface, const std::string& path, std::string* error, PngCompression compression = PngCompression::Small);

}
