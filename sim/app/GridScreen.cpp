#include "GridScreen.h"
#include "TapAction.h"

#include "foundation/SystemLog.h"
#include "uikit/UIKit.h"

#include <algorithm>
#include <cmath>

namespace apps {

namespace {

constexpr int kColumns = 5;
constexpr double kGap = 6;

// Where the swatches are: a row of kColumns squares every `cell` + kGap
// points from `top`, as many rows as fit.
struct GridLayout {
    double top;
    double cell;
    int rows;
};

GridLayout layoutFor(const ScreenArea& area)
{
    double const top = area.statusBarHeight + kGap;
    double const cell = (area.width - kGap * (kColumns + 1)) / kColumns;
    return { top, cell, std::max(1, static_cast<int>((area.height - top) / (cell + kGap))) };
}

// Hue around the wheel by column, lightness by row.
void setSwatchColour(cairo_t* cairo, int column, int row, int rows)
{
    double const hue = column / static_cast<double>(kColumns) * 6;
    double const lightness = 0.35 + 0.5 * row / std::max(1, rows - 1);
    double const x = 1 - std::fabs(std::fmod(hue, 2) - 1);
    double red = 0, green = 0, blue = 0;
    switch (static_cast<int>(hue)) {
    // clang-format off
    case 0: red = 1; green = x; break;
    case 1: red = x; green = 1; break;
    case 2: green = 1; blue = x; break;
    case 3: green = x; blue = 1; break;
    case 4: red = x; blue = 1; break;
    default: red = 1; blue = x; break;
        // clang-format on
    }
    cairo_set_source_rgb(cairo, red * lightness, green * lightness, blue * lightness);
}

}

void GridScreen::draw(cairo_t* cairo, const ScreenArea& area, std::time_t) const
{
    cairo_set_source_rgb(cairo, 0.93, 0.93, 0.95);
    cairo_paint(cairo);

    GridLayout const layout = layoutFor(area);
    for (int row = 0; row < layout.rows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            double const x = kGap + column * (layout.cell + kGap);
            double const y = layout.top + row * (layout.cell + kGap);
            bool const selected = m_selected == Cell { row, column };
            if (selected)
                cairo_set_source_rgb(cairo, 1, 1, 1);
            else
                setSwatchColour(cairo, column, row, layout.rows);
            cairo_rectangle(cairo, x, y, layout.cell, layout.cell);
            cairo_fill(cairo);
            if (!selected)
                continue;
            cairo_set_source_rgb(cairo, 0.1, 0.1, 0.1);
            cairo_set_line_width(cairo, 3);
            cairo_rectangle(cairo, x + 1.5, y + 1.5, layout.cell - 3, layout.cell - 3);
            cairo_stroke(cairo);
        }
    }
}

void GridScreen::addTouchViews(UIView* window, const ScreenArea& area)
{
    auto grid = adopt(send<id>(send<id>(uikit::UIViewClass(), "alloc"_sel), "initWithFrame:"_sel, CGRectMake(0, 0, area.width, area.height)));
    addTapAction(static_cast<UIView*>(grid.get()), [this, area](CGPoint point) { tapped(point, area); });
    send(static_cast<id>(window), "addSubview:"_sel, grid.get());
}

void GridScreen::tapped(CGPoint point, const ScreenArea& area)
{
    GridLayout const layout = layoutFor(area);
    double const pitch = layout.cell + kGap;
    int const column = static_cast<int>(std::floor((point.x - kGap) / pitch));
    int const row = static_cast<int>(std::floor((point.y - layout.top) / pitch));
    bool const onSwatch = column >= 0 && column < kColumns && row >= 0 && row < layout.rows && point.x - kGap - column * pitch <= layout.cell
        && point.y - layout.top - row * pitch <= layout.cell;
    std::optional<Cell> const tappedCell = onSwatch ? std::optional<Cell>(Cell { row, column }) : std::nullopt;
    if (tappedCell)
        CFLog(kCFLogLevelNotice, "Tapped (%.1f, %.1f): row %d, column %d", point.x, point.y, row, column);
    else
        CFLog(kCFLogLevelNotice, "Tapped (%.1f, %.1f): between swatches", point.x, point.y);
    m_selected = tappedCell == m_selected ? std::nullopt : tappedCell;
    ++m_version;
}

}
