#pragma once
// What a host view shows while its application's process is not running
// (it died, was killed, or never started): the application's icon and a
// short "not running" note, centred, so the panel is not left blank.

#include "coregraphics/CGGeometry.h"

#include <cairo.h>
#include <string>

namespace compositor {

void drawNotRunningNote(cairo_t* cairo, CGSize size, const std::string& bundleIdentifier);

}
