#include "WindowGeometry.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

constexpr int kHelpLineHeight = 28;
// Room left for the desktop's own bars and the window's frame.
constexpr double kDesktopShare = 0.9;

}

WindowGeometry fitWindow(double screenWidth, double screenHeight, double scale, int desktopWidth, int desktopHeight)
{
    double pixelsPerPoint = scale;
    if (desktopWidth > 0 && desktopHeight > 0) {
        double const fitWidth = desktopWidth * kDesktopShare / screenWidth;
        double const fitHeight = (desktopHeight * kDesktopShare - kHelpLineHeight) / screenHeight;
        pixelsPerPoint = std::max(0.25, std::min({ pixelsPerPoint, fitWidth, fitHeight }));
    }
    return { static_cast<int>(std::lround(screenWidth * pixelsPerPoint)), static_cast<int>(std::lround(screenHeight * pixelsPerPoint)), kHelpLineHeight,
        pixelsPerPoint };
}

}
