#pragma once
// What the Settings application's pages are drawn with: a grouped list under
// a navigation bar, section headers, white rows, switches, colour swatches
// and icons. Sizes are in points.

#include "AppScreen.h"

#include "colorpicker/ColorString.h"
#include "coregraphics/CGGeometry.h"

#include <cairo.h>

#include <string>

namespace apps::settingsui {

inline constexpr double kNavigationBarHeight = 44;
inline constexpr double kMargin = 16;
inline constexpr double kSwitchWidth = 44;
inline constexpr double kSwitchHeight = 26;

// Where the page's content starts: below the status bar and the navigation bar.
inline double contentTop(const ScreenArea& area) { return area.statusBarHeight + kNavigationBarHeight; }

void drawPageBackground(cairo_t* cairo, const ScreenArea& area);
// The title in the middle (shortened to fit), and "‹ BACK" on the left
// unless `back` is empty.
void drawNavigationBar(cairo_t* cairo, const ScreenArea& area, const std::string& title, const std::string& back);
// Where a tap on the navigation bar goes back.
CGRect backButtonFrame(const ScreenArea& area);
// Grey capitals near the bottom of the header's band, `frame`.
void drawSectionHeader(cairo_t* cairo, const std::string& text, const CGRect& frame);
// A white row; a hairline under it, from the margin, unless it is the last.
void drawRow(cairo_t* cairo, const CGRect& frame, bool last);
// A row's label on the left, vertically centred.
void drawRowLabel(cairo_t* cairo, const CGRect& row, const std::string& label, double leftInset = kMargin);
// A switch at the right end of the row: green with the knob right when on.
void drawSwitch(cairo_t* cairo, const CGRect& row, bool on);
// A rounded colour square; a blue ring around it when selected.
void drawSwatch(cairo_t* cairo, const CGRect& frame, const colorpicker::RGBA& colour, bool selected);
// A blue ring 3 points around `frame`, to mark what is chosen.
void drawSelectionRing(cairo_t* cairo, const CGRect& frame, double radius);
// An image scaled into the square `frame` with rounded corners; a grey square
// when there is none.
void drawIcon(cairo_t* cairo, cairo_surface_t* image, const CGRect& frame);

}
