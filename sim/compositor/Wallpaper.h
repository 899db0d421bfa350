#pragma once
// The home screen's wallpaper, drawn in code: a dusk gradient with two soft
// glows, filling a screen of `screen` points.

#include "coregraphics/CGGeometry.h"

#include <cairo.h>

namespace compositor {

void drawWallpaper(cairo_t* cairo, CGSize screen);

}
