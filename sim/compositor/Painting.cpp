#include "Painting.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace compositor {

namespace {

double unit(double value)
{
    return std::isfinite(value) ? std::clamp(value, 0.0, 1.0) : 0.0;
}

}

bool isFinite(CGRect rect)
{
    return std::isfinite(rect.origin.x) && std::isfinite(rect.origin.y) && std::isfinite(rect.size.width) && std::isfinite(rect.size.height);
}

void addRoundedRectangle(cairo_t* cairo, CGRect rect, double radius)
{
    double const limit = std::min(std::fabs(rect.size.width), std::fabs(rect.size.height)) / 2;
    double const r = std::isfinite(radius) ? std::clamp(radius, 0.0, limit) : 0.0;
    if (r <= 0) {
        cairo_rectangle(cairo, rect.origin.x, rect.origin.y, rect.size.width, rect.size.height);
        return;
    }
    double const left = rect.origin.x, top = rect.origin.y;
    double const right = left + rect.size.width, bottom = top + rect.size.height;
    double constexpr quarter = std::numbers::pi / 2;
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, right - r, top + r, r, -quarter, 0);
    cairo_arc(cairo, right - r, bottom - r, r, 0, quarter);
    cairo_arc(cairo, left + r, bottom - r, r, quarter, 2 * quarter);
    cairo_arc(cairo, left + r, top + r, r, 2 * quarter, 3 * quarter);
    cairo_close_path(cairo);
}

void setSourceColor(cairo_t* cairo, const UIColor* color, double opacity)
{
    if (!color) {
        cairo_set_source_rgba(cairo, 0, 0, 0, 0);
        return;
    }
    cairo_set_source_rgba(cairo, unit(color->red), unit(color->green), unit(color->blue), unit(color->alpha) * unit(opacity));
}

}
