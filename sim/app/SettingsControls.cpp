#include "SettingsControls.h"
#include "TextDrawing.h"

#include <algorithm>
#include <cmath>

namespace apps::settingsui {

namespace {

constexpr double kBackWidth = 100;
constexpr double kTitleSize = 17;

void roundedRectangle(cairo_t* cairo, const CGRect& frame, double radius)
{
    double const x = frame.origin.x;
    double const y = frame.origin.y;
    double const width = frame.size.width;
    double const height = frame.size.height;
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, x + width - radius, y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cairo, x + width - radius, y + height - radius, radius, 0, M_PI / 2);
    cairo_arc(cairo, x + radius, y + height - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cairo, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cairo);
}

void setBlue(cairo_t* cairo) { cairo_set_source_rgb(cairo, 0.0, 0.48, 1.0); }

}

void drawPageBackground(cairo_t* cairo, const ScreenArea&)
{
    cairo_set_source_rgb(cairo, 0.94, 0.94, 0.96);
    cairo_paint(cairo);
}

CGRect backButtonFrame(const ScreenArea& area)
{
    return CGRectMake(0, area.statusBarHeight, kBackWidth, kNavigationBarHeight);
}

void drawNavigationBar(cairo_t* cairo, const ScreenArea& area, const std::string& title, const std::string& back)
{
    // The bar reaches up behind the status bar, as on the phone.
    cairo_set_source_rgb(cairo, 0.97, 0.97, 0.97);
    cairo_rectangle(cairo, 0, 0, area.width, contentTop(area));
    cairo_fill(cairo);
    cairo_set_source_rgb(cairo, 0.7, 0.7, 0.72);
    cairo_rectangle(cairo, 0, contentTop(area) - 0.5, area.width, 0.5);
    cairo_fill(cairo);

    double const baseline = area.statusBarHeight + 28;
    // The title keeps clear of the back button on both sides, to stay centred.
    double const titleWidth = area.width - 2 * (back.empty() ? kMargin : kBackWidth);
    cairo_set_source_rgb(cairo, 0.05, 0.05, 0.05);
    drawText(cairo, fitText(cairo, title, titleWidth, kTitleSize, true), area.width / 2, baseline, kTitleSize, true, TextAlignment::Center);
    if (back.empty())
        return;
    setBlue(cairo);
    drawText(cairo, fitText(cairo, "\u2039 " + back, kBackWidth - 8, kTitleSize, false), 8, baseline, kTitleSize, false, TextAlignment::Left);
}

void drawSectionHeader(cairo_t* cairo, const std::string& text, const CGRect& frame)
{
    cairo_set_source_rgb(cairo, 0.43, 0.43, 0.45);
    drawText(cairo, fitText(cairo, text, frame.size.width - 2 * kMargin, 12, false), frame.origin.x + kMargin, CGRectGetMaxY(frame) - 7, 12, false,
        TextAlignment::Left);
}

void drawRow(cairo_t* cairo, const CGRect& frame, bool last)
{
    cairo_set_source_rgb(cairo, 1, 1, 1);
    cairo_rectangle(cairo, frame.origin.x, frame.origin.y, frame.size.width, frame.size.height);
    cairo_fill(cairo);
    if (last)
        return;
    cairo_set_source_rgb(cairo, 0.83, 0.83, 0.85);
    cairo_rectangle(cairo, frame.origin.x + kMargin, frame.origin.y + frame.size.height - 0.5, frame.size.width - kMargin, 0.5);
    cairo_fill(cairo);
}

void drawRowLabel(cairo_t* cairo, const CGRect& row, const std::string& label, double leftInset)
{
    // Room is left for a switch or a value on the right.
    double const width = row.size.width - leftInset - kSwitchWidth - 2 * kMargin;
    cairo_set_source_rgb(cairo, 0.05, 0.05, 0.05);
    drawText(cairo, fitText(cairo, label, width, 15, false), row.origin.x + leftInset, row.origin.y + row.size.height / 2 + 5, 15, false,
        TextAlignment::Left);
}

void drawSwitch(cairo_t* cairo, const CGRect& row, bool on)
{
    double const x = row.origin.x + row.size.width - kMargin - kSwitchWidth;
    double const y = row.origin.y + (row.size.height - kSwitchHeight) / 2;
    double const radius = kSwitchHeight / 2;
    roundedRectangle(cairo, CGRectMake(x, y, kSwitchWidth, kSwitchHeight), radius);
    if (on)
        cairo_set_source_rgb(cairo, 0.30, 0.85, 0.39);
    else
        cairo_set_source_rgb(cairo, 0.90, 0.90, 0.92);
    cairo_fill(cairo);
    double const knobX = on ? x + kSwitchWidth - radius : x + radius;
    cairo_arc(cairo, knobX, y + radius, radius - 2, 0, 2 * M_PI);
    cairo_set_source_rgb(cairo, 1, 1, 1);
    cairo_fill_preserve(cairo);
    cairo_set_source_rgba(cairo, 0, 0, 0, 0.15);
    cairo_set_line_width(cairo, 0.5);
    cairo_stroke(cairo);
}

void drawSwatch(cairo_t* cairo, const CGRect& frame, const colorpicker::RGBA& colour, bool selected)
{
    roundedRectangle(cairo, frame, 5);
    cairo_set_source_rgba(cairo, colour.red, colour.green, colour.blue, colour.alpha);
    cairo_fill_preserve(cairo);
    // A thin edge, so a white swatch shows on a white row.
    cairo_set_source_rgb(cairo, 0.75, 0.75, 0.77);
    cairo_set_line_width(cairo, 0.5);
    cairo_stroke(cairo);
    if (selected)
        drawSelectionRing(cairo, frame, 7);
}

void drawSelectionRing(cairo_t* cairo, const CGRect& frame, double radius)
{
    CGRect const ring = CGRectMake(frame.origin.x - 3, frame.origin.y - 3, frame.size.width + 6, frame.size.height + 6);
    roundedRectangle(cairo, ring, radius);
    setBlue(cairo);
    cairo_set_line_width(cairo, 2);
    cairo_stroke(cairo);
}

void drawIcon(cairo_t* cairo, cairo_surface_t* image, const CGRect& frame)
{
    cairo_save(cairo);
    roundedRectangle(cairo, frame, frame.size.width * 0.22);
    cairo_clip(cairo);
    if (!image) {
        cairo_set_source_rgb(cairo, 0.78, 0.78, 0.8);
        cairo_paint(cairo);
        cairo_restore(cairo);
        return;
    }
    int const width = cairo_image_surface_get_width(image);
    int const height = cairo_image_surface_get_height(image);
    cairo_translate(cairo, frame.origin.x, frame.origin.y);
    cairo_scale(cairo, frame.size.width / std::max(width, 1), frame.size.height / std::max(height, 1));
    cairo_set_source_surface(cairo, image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cairo), CAIRO_FILTER_GOOD);
    cairo_paint(cairo);
    cairo_restore(cairo);
}

}
