#pragma once
// How big the window is: the phone's screen at points × scale, shrunk (never
// grown) to fit the desktop, with the help line below it.

namespace sim {

struct WindowGeometry {
    int phoneWidth;
    int phoneHeight;
    int helpHeight;
    // Window pixels per screen point.
    double pixelsPerPoint;
};

// `desktopWidth`/`desktopHeight` 0 when unknown (no shrinking then).
WindowGeometry fitWindow(double screenWidth, double screenHeight, double scale, int desktopWidth, int desktopHeight);

}
