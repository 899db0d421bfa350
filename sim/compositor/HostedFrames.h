#pragma once
// How an application's frame lies in the view that shows it, how it is
// drawn there, and which part of that view a run of its frames changed.

#include "coregraphics/CGGeometry.h"

#include <cairo.h>

#include <cstdint>
#include <optional>

namespace quartz {
class SharedFrameBuffer;
}

namespace compositor {

struct FrameScale {
    double x = 1;
    double y = 1;
};

// The scale from a frame of `width` × `height` pixels (the application's whole
// screen) to a view of `size` points, the frame's top left at the view's.
FrameScale frameScale(int width, int height, CGSize size);

// Draws `frame` (an application's whole screen in pixels, at its own size)
// over a view of `size` points, and lets it go; nothing without a frame.
void paintFrame(cairo_surface_t* frame, cairo_t* cairo, CGSize size);

// The part of a view of `size`, in its coordinates, where the frames after
// frame `since` up to frame `upTo` changed what it shows (empty: nowhere), or
// nothing when the frames cannot tell.
std::optional<CGRect> changedPartOfView(const quartz::SharedFrameBuffer& frames, uint64_t since, uint64_t upTo, CGSize size);

}
