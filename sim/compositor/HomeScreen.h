#pragma once
// The home screen under every window: the wallpaper, the installed
// applications' icons with their names and badges, and the status bar.

#include "coregraphics/CGGeometry.h"

#include <cairo.h>

#include <string>

namespace compositor {

// Fills cairo's target from its origin, in pixels: `screen` points at `scale`.
// The installed applications are read the first time; the picture without
// the status bar is kept while the screen's size and scale stay the same.
void drawHomeScreen(cairo_t* cairo, CGSize screen, double scale);

// Changes whenever what drawHomeScreen draws does (a badge, the status bar's
// minute).
std::string homeScreenVersion();

// Forgets the applications read and the picture kept.
void resetHomeScreen();

}
