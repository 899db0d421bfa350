#pragma once
// A view and its subviews, drawn into cairo whose user space is the view's
// superview's coordinates (the screen's, in points, for a window).

#include "uikit/UIView.h"

#include <cairo.h>

namespace compositor {

// `opacity` is what the superviews' alpha leaves of the view's.
void drawViewTree(cairo_t* cairo, UIView* view, double opacity = 1);

// What drawing and damage tracking agree on, so that both see the same view.

// From the view's coordinates to its superview's: the bounds origin lands on
// the frame's origin, and the transform turns the view about its centre. The
// frame and transform are the ones on screen, mid-animation too. False when
// they are not finite numbers.
bool viewToSuperview(const UIView& view, cairo_matrix_t* local);
// The bounds on screen: a frame animation may be changing the size.
CGRect shownBounds(const UIView& view);
double cornerRadius(const UIView& view);
// A view with alpha under 1 and more than this is drawn as a group.
bool hasMoreThanBackground(UIView& view);

}
