#pragma once
// Host views show the hosted application's latest frame, taken in place from
// the memory it shares with the shell and scaled to the view.

#include "coregraphics/CGGeometry.h"

#include <cairo.h>

#include <string>

namespace compositor {

// Registers the content drawers of host views and of the app switcher's
// cards; the shell does it at start.
void registerHostedContent();

// The application in front (SpringBoard's front application), its latest
// frame over the whole screen; nothing on the home screen.
void drawFrontApplication(cairo_t* cairo, CGSize screen);
// Changes whenever what drawFrontApplication draws does.
std::string frontApplicationVersion();

}
