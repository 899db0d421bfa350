#include "GridScreen.h"

#include <algorithm>
#include <cmath>

namespace apps {

namespace {

constexpr int kColumns = 5;
constexpr double kGap = 6;

// Hue around the wheel by column, lightness by row.
void setSwatchColour(cairo_t* cairo, int column, int row, int rows)
{
    double const hue = column / static_cast<double>(kColumns) * 6;
    double const lightness = 0.35 + 0.5 * row / std::max(1, rows - 1);
    double const x = 1 - std::fabs(std::fmod(hue, 2) - 1);
    double red = 0, green = 0, blue = 0;
    switch (static_cast<int>(hue)) {
    case 0: red = 1; green = x; break;
    case 1: red = x; green = 1; break;
    case 2: green = 1; blue = x; break;
    case 3: green = x; blue = 1; break;
    case 4: red = x; blue = 1; break;
    default: red = 1; blue = x; break;
    }
    cairo_set_source_rgb(cairo, red * lightness, green * lightness, blue * lightness);
}

}

void GridScreen::draw(cairo_t* cairo, const ScreenArea& area, std::time_t) const
{
    cairo_set_source_rgb(cairo, 0.93, 0.93, 0.95);
    cairo_paint(cairo);

    double const top = area.statusBarHeight + kGap;
    double const cell = (area.width - kGap * (kColumns + 1)) / kColumns;
    int const rows = std::max(1, static_cast<int>((area.height - top) / (cell + kGap)));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            setSwatchColour(cairo, column, row, rows);
            cairo_rectangle(cairo, kGap + column * (cell + kGap), top + row * (cell + kGap), cell, cell);
            cairo_fill(cairo);
        }
    }
}

}
