#pragma once
// The frames both sides agree on: the screen's size in pixels, and a colour
// that tells each frame from the one before, so the shell can check it holds
// the frame that was announced.

#include <cairo.h>

#include <cstdint>

namespace bench {

inline constexpr int kFrameWidth = 750;
inline constexpr int kFrameHeight = 1334;

// Opaque, premultiplied ARGB32 as cairo stores it.
uint32_t colourOfFrame(uint64_t frameCount);
// Fills an ARGB32 image surface with one colour.
void fillFrame(cairo_surface_t* surface, uint32_t colour);
// The colour of the frame's first pixel.
uint32_t firstPixel(cairo_surface_t* surface);

}
