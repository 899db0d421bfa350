#pragma once
// A view and its subviews, drawn into cairo whose user space is the view's
// superview's coordinates (the screen's, in points, for a window).

#include "uikit/UIView.h"

#include <cairo.h>

namespace compositor {

// `opacity` is what the superviews' alpha leaves of the view's.
void drawViewTree(cairo_t* cairo, UIView* view, double opacity = 1);

}
