#pragma once
// What image views and labels draw inside their bounds, above the background
// and below the subviews, in the view's own coordinates.

#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"

#include <cairo.h>

namespace compositor {

// The image placed by the content mode (scale to fill, aspect fit, aspect
// fill; aspect fill spills over the bounds unless the view clips), in the
// view's tint when it is a template.
void drawImageContent(cairo_t* cairo, const UIImageView& view, double opacity);

// One line of text, centred vertically, aligned left, centred or right,
// truncated with an ellipsis when it is wider than the bounds.
void drawLabelContent(cairo_t* cairo, const UILabel& label, double opacity);

// Where an image of `imageSize` goes in `bounds` under the content mode.
CGRect placeImage(long contentMode, CGRect bounds, CGSize imageSize);

}
