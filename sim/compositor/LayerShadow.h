#pragma once
// A layer's drop shadow: the view's rounded rectangle, blurred by the shadow
// radius, moved by the offset, in black at the shadow opacity.

#include "quartz/CALayer.h"

#include <cairo.h>

namespace compositor {

// `shape` and `cornerRadius` in the current user space; `opacity` is the
// view's own (its alpha down the tree).
void drawLayerShadow(cairo_t* cairo, const CALayer& layer, CGRect shape, double cornerRadius, double opacity);

}
