#pragma once
// The shell's screen in one picture: the home screen at the bottom, then every
// visible window from back to front, each with its tree of views, drawn with
// cairo at the screen's scale. The SDL window and the `shot` verb show what
// this draws.

#include "runtime/Runtime.h"
#include "uikit/UIView.h"

#include <cairo.h>

#include <functional>
#include <string>

namespace compositor {

// Draws a view's content that comes from elsewhere (another process's frame).
// It is called with cairo in the view's coordinates, (0, 0) at the view's
// bounds origin and `size` its bounds size, transform and alpha applied and
// drawing clipped to the bounds; after the view's background, before its
// subviews.
using ContentDrawer = std::function<void(id view, cairo_t* cairo, CGSize size)>;

// Views of class `cls` or a subclass get their content from `drawer`; for a
// view matching several registered classes, the closest to its own class
// wins. Registering a class again replaces its drawer; an empty drawer
// removes it.
void registerContentDrawer(Class cls, ContentDrawer drawer);

// The whole screen as an ARGB32 image of the screen's bounds times its scale
// (rounded to whole pixels); the caller owns it. Null, with `error` set when
// given, when no such image can be made.
cairo_surface_t* drawScreen(std::string* error = nullptr);

// Forgets the content drawers and the home screen drawn from the installed
// applications (read again at the next drawing); for tests, and after the
// installed applications change.
void reset();

}
