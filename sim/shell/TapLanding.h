#pragma once
// Where and when a finger landed, and whether a later touch of it is still a
// tap as a tap recognizer judges one: within kTapLargestMovement points and
// kTapLongestDuration seconds of landing. The shell's own touch sinks (the
// home screen's icons, the status bar's double tap) judge taps alike.

#include "uikit/UITapGestureRecognizer.h"
#include "uikit/UITouch.h"

#include <cmath>

namespace sim {

struct TapLanding {
    CGPoint point;
    double timestamp = 0;
};

inline bool stillATap(const TapLanding& landing, const UITouch* touch)
{
    double const movement = std::hypot(touch->screenLocation.x - landing.point.x, touch->screenLocation.y - landing.point.y);
    return movement <= uikit::kTapLargestMovement && touch->timestamp - landing.timestamp <= uikit::kTapLongestDuration;
}

}
