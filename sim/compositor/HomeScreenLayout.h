#pragma once
// Where the home screen puts the applications' icons: a grid of four columns
// (six on a screen turned landscape) under the status bar, in file order, as
// a phone's first page does. Touches on icons and the drawing share it.

#include "coregraphics/CGGeometry.h"

#include <cstddef>

namespace compositor {

struct HomeScreenIconPlace {
    // The icon's square, in points from the screen's top left.
    CGRect icon;
    // The line of the application's name under it, as wide as the icon's cell.
    CGRect name;
};

// The place of the icon at `index`, on a screen of `screen` points. Places
// run on past the dock; those are not shown.
HomeScreenIconPlace homeScreenIconPlace(CGSize screen, size_t index);
// The translucent band along the screen's bottom, under the page dot.
CGRect homeScreenDockFrame(CGSize screen);

}
