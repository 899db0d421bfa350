#pragma once
// The pixels that differ between two frames, from their records: the old and
// new areas of every view that appeared, went, changed or moved in the
// stacking order; the whole screen when what lies below the windows, the
// screen's size or scale, or the windows' order changed.

#include "DrawRecords.h"

#include <cairo.h>

namespace compositor {

// A new region (the caller destroys it) within `width` × `height` pixels.
cairo_region_t* findDamage(const ScreenRecord& before, const ScreenRecord& after, int width, int height);

}
