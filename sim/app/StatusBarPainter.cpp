#include "StatusBarPainter.h"
#include "TextDrawing.h"

#include "foundation/WallClock.h"

#include <array>

namespace apps {

void StatusBarPainter::draw(cairo_t* cairo, double screenWidth, std::time_t now) const
{
    double const shade = m_lightText ? 1.0 : 0.0;
    cairo_set_source_rgb(cairo, shade, shade, shade);

    std::tm const local = foundation::wallClockLocalTime(now);
    std::array<char, 8> time {};
    std::strftime(time.data(), time.size(), "%H:%M", &local);
    drawText(cairo, time.data(), screenWidth / 2, 15, 12, true, TextAlignment::Center);
    drawText(cairo, "Drawlet", 6, 15, 12, false, TextAlignment::Left);

    // Battery: an outline, its terminal nub, and a charge three quarters full.
    double const right = screenWidth - 6;
    double const width = 24;
    double const left = right - 2 - width;
    cairo_set_line_width(cairo, 1);
    cairo_rectangle(cairo, left + 0.5, 5.5, width, 10);
    cairo_stroke(cairo);
    cairo_rectangle(cairo, left + width + 1, 8.5, 1.5, 4);
    cairo_fill(cairo);
    cairo_rectangle(cairo, left + 2, 7.5, (width - 3) * 0.75, 6);
    cairo_fill(cairo);
}

}
