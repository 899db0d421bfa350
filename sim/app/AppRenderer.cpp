#include "AppRenderer.h"
#include "StatusBarPainter.h"

#include "uikit/StatusBar.h"
#include "uikit/UIScreen.h"

#include <cmath>

namespace apps {

AppRenderer::AppRenderer(std::unique_ptr<AppScreen> screen, int width, int height, double scale)
    : m_screen(std::move(screen))
    , m_width(width)
    , m_height(height)
    , m_scale(scale)
{
}

ScreenArea AppRenderer::area() const
{
    return areaFor(uikit::isLandscapeOrientation(uikit::mainScreenOrientation()));
}

ScreenArea AppRenderer::areaFor(bool landscape) const
{
    // Turned, the same screen is as wide as it was high.
    double const width = landscape ? m_height : m_width;
    double const height = landscape ? m_width : m_height;
    return { width, height, kStatusBarHeight };
}

AppRenderer::Appearance AppRenderer::appearanceAt(std::time_t now) const
{
    bool const shown = !uikit::statusBarHidden();
    return { shown, shown ? StatusBarPainter::version(now) : 0, m_screen->contentVersion(now), uikit::isLandscapeOrientation(uikit::mainScreenOrientation()) };
}

bool AppRenderer::redrawIfChanged(std::time_t now)
{
    Appearance const appearance = appearanceAt(now);
    if (m_drawn == appearance)
        return false;
    draw(appearance, now);
    return true;
}

void AppRenderer::draw(const Appearance& appearance, std::time_t now)
{
    // The content fills the screen; its own top bar sits below the status
    // bar's height either way, as on the phone when the status bar is hidden.
    ScreenArea const area = areaFor(appearance.landscape);
    int const pixelWidth = static_cast<int>(std::lround(area.width * m_scale));
    int const pixelHeight = static_cast<int>(std::lround(area.height * m_scale));
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pixelWidth, pixelHeight);
    cairo_t* cairo = cairo_create(surface);
    cairo_scale(cairo, m_scale, m_scale);

    cairo_save(cairo);
    m_screen->draw(cairo, area, now);
    cairo_restore(cairo);
    if (appearance.statusBarShown)
        StatusBarPainter(m_screen->lightStatusBar()).draw(cairo, area.width, now);

    cairo_destroy(cairo);
    cairo_surface_flush(surface);
    m_frame.replace(surface);
    m_drawn = appearance;
}

}
