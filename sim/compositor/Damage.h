#pragma once
// The pixels that differ between two frames, from their records: the old and
// new areas of every view that appeared, went, changed or moved in the
// stacking order (of a view whose content alone changed, and whose drawer
// can say where, only that part); the whole screen when what lies below the
// windows, the screen's size or scale, or the windows' order changed.

#include "DrawRecords.h"

#include <cairo.h>

namespace compositor {

// Damage starts and ends on multiples of this many rows of the screen (or at
// its edges), so a drawing can be split into bands that any redraw starts alike.
constexpr int kDamageRowBand = 32;

// A new region (the caller destroys it) within `width` × `height` pixels.
cairo_region_t* findDamage(const ScreenRecord& before, const ScreenRecord& after, int width, int height);

}
