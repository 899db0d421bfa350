#include "ClockScreen.h"
#include "TextDrawing.h"

#include "foundation/WallClock.h"

#include <array>

namespace apps {

void ClockScreen::draw(cairo_t* cairo, const ScreenArea& area, std::time_t now) const
{
    cairo_set_source_rgb(cairo, 0.05, 0.05, 0.08);
    cairo_paint(cairo);

    std::tm const local = foundation::wallClockLocalTime(now);
    std::array<char, 16> time {};
    std::strftime(time.data(), time.size(), "%H:%M:%S", &local);
    std::array<char, 32> date {};
    std::strftime(date.data(), date.size(), "%A %d %B", &local);

    double const middle = area.statusBarHeight + (area.height - area.statusBarHeight) / 2;
    cairo_set_source_rgb(cairo, 1, 0.6, 0.1);
    drawText(cairo, time.data(), area.width / 2, middle, area.width / 6, true, TextAlignment::Center);
    cairo_set_source_rgb(cairo, 0.75, 0.75, 0.8);
    drawText(cairo, date.data(), area.width / 2, middle + 40, 18, false, TextAlignment::Center);
}

}
