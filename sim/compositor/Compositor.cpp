#include "Compositor.h"
#include "HostedContent.h"

#include "ContentDrawers.h"
#include "HomeScreen.h"
#include "ViewDrawing.h"

#include "foundation/SystemLog.h"
#include "uikit/UIScreen.h"
#include "uikit/UIWindow.h"

#include <cmath>
#include <vector>

namespace compositor {

namespace {

// cairo's image surfaces are at most this many pixels a side.
constexpr double kLargestSide = 32767;

void fail(std::string* error, std::string reason)
{
    if (error)
        *error = std::move(reason);
}

// Each window gets a cairo of its own, so one whose drawing puts cairo in an
// error state loses only itself, with a log line, and the screen is still drawn.
void drawWindow(cairo_surface_t* screen, UIWindow* window, double scale)
{
    cairo_t* cairo = cairo_create(screen);
    cairo_scale(cairo, scale, scale);
    drawViewTree(cairo, window);
    if (cairo_status_t const status = cairo_status(cairo); status != CAIRO_STATUS_SUCCESS)
        systemlog::write(kCFLogLevelError, std::string("compositor: a window at level ") + std::to_string(window->windowLevel) + " could not be drawn: " + cairo_status_to_string(status));
    cairo_destroy(cairo);
}

}

cairo_surface_t* drawScreen(std::string* error)
{
    CGSize const size = uikit::mainScreenBounds().size;
    double const scale = uikit::mainScreenScale();
    double const width = std::round(size.width * scale);
    double const height = std::round(size.height * scale);
    if (!(width >= 1 && width <= kLargestSide && height >= 1 && height <= kLargestSide)) {
        fail(error, "the screen (" + std::to_string(size.width) + " x " + std::to_string(size.height) + " points at scale " + std::to_string(scale) + ") is too large or too small for an image");
        return nullptr;
    }
    cairo_surface_t* screen = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height));
    if (cairo_surface_status(screen) != CAIRO_STATUS_SUCCESS) {
        fail(error, std::string("cannot make the screen's image: ") + cairo_status_to_string(cairo_surface_status(screen)));
        cairo_surface_destroy(screen);
        return nullptr;
    }

    cairo_t* cairo = cairo_create(screen);
    drawHomeScreen(cairo, size, scale);
    cairo_scale(cairo, scale, scale);
    drawFrontApplication(cairo, size);
    cairo_destroy(cairo);

    // Held while drawing: a content drawer may hide a window.
    std::vector<Strong<UIWindow>> windows;
    for (UIWindow* window : uikit::visibleWindowsBackToFront())
        windows.emplace_back(window);
    for (auto const& window : windows)
        drawWindow(screen, window.get(), scale);
    cairo_surface_flush(screen);
    return screen;
}

void reset()
{
    resetContentDrawers();
    resetHomeScreen();
}

}
