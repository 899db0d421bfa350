#pragma once
// Points between screen coordinates and a view's own. The root of a view's
// tree is placed in screen coordinates: a window's frame is on the screen. A
// view outside any window is treated the same way, so its recognizers keep
// answering after it has been taken out of its window.

#include "coregraphics/CGGeometry.h"

#include <optional>

struct UIView;

namespace uikit {

// Nothing when a transform on the way cannot be inverted. A nil view leaves
// the point unchanged.
std::optional<CGPoint> convertFromScreen(const UIView* view, CGPoint point);
CGPoint convertToScreen(const UIView* view, CGPoint point);
// A movement on the screen (a translation or a velocity) at `screenPoint`, as
// the view measures it in its own coordinates; zero when it cannot.
CGPoint convertVectorFromScreen(const UIView* view, CGPoint screenPoint, CGPoint vector);

// The root of the view's tree (its window, when it is in one); nil for nil.
UIView* rootView(UIView* view);

}
