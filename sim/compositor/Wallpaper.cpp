#include "Wallpaper.h"

#include <algorithm>

namespace compositor {

namespace {

void addGlow(cairo_t* cairo, double x, double y, double radius, double red, double green, double blue, double alpha)
{
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    cairo_pattern_add_color_stop_rgba(glow, 0, red, green, blue, alpha);
    cairo_pattern_add_color_stop_rgba(glow, 1, red, green, blue, 0);
    cairo_set_source(cairo, glow);
    cairo_paint(cairo);
    cairo_pattern_destroy(glow);
}

}

void drawWallpaper(cairo_t* cairo, CGSize screen)
{
    double const width = screen.width, height = screen.height;
    cairo_save(cairo);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, width * 0.3, height);
    cairo_pattern_add_color_stop_rgb(sky, 0.0, 0.10, 0.14, 0.38);
    cairo_pattern_add_color_stop_rgb(sky, 0.45, 0.36, 0.24, 0.58);
    cairo_pattern_add_color_stop_rgb(sky, 0.80, 0.82, 0.42, 0.52);
    cairo_pattern_add_color_stop_rgb(sky, 1.0, 0.98, 0.66, 0.48);
    cairo_set_source(cairo, sky);
    cairo_paint(cairo);
    cairo_pattern_destroy(sky);

    double const reach = std::max(width, height);
    addGlow(cairo, width * 0.85, height * 0.18, reach * 0.55, 0.35, 0.75, 0.95, 0.35);
    addGlow(cairo, width * 0.10, height * 0.80, reach * 0.50, 1.00, 0.80, 0.50, 0.30);
    cairo_restore(cairo);
}

}
