#pragma once
// A tap recognizer on a view of the application, with a C++ action: the
// demo applications react to taps through the platform's own recognizers.

#include "coregraphics/CGGeometry.h"

#include <functional>

struct UIView;

namespace apps {

// Adds a tap recognizer to `view` whose action runs `action` with where the
// tap was, in `view`'s coordinates.
void addTapAction(UIView* view, std::function<void(CGPoint location)> action);

}
