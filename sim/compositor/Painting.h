#pragma once
// Small cairo helpers the compositor's pieces share.

#include "coregraphics/CGGeometry.h"
#include "uikit/UIColor.h"

#include <cairo.h>

namespace compositor {

bool isFinite(CGRect rect);
// A rectangle with corners of `radius`, kept to half the shorter side.
void addRoundedRectangle(cairo_t* cairo, CGRect rect, double radius);
// The colour with its alpha times `opacity`; components that are not finite
// numbers in 0...1 are brought into it, since cairo gives up on bad values.
void setSourceColor(cairo_t* cairo, const UIColor* color, double opacity);

}
