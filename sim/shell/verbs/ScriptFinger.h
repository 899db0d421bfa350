#pragma once
// The script's finger on the touch screen (finger 0, the one the mouse plays
// in a window). Every event is stamped with the run loop's clock, and the loop
// runs between events, so timers, animations and the applications' processes
// keep pace with the finger.

#include "coregraphics/CGGeometry.h"

namespace sim {

// Moves every 1/120 s while sliding.
inline constexpr long kFingerMovesPerSecond = 120;

void landFinger(CGPoint point);
// Keeps the finger where it is for `seconds` of the run loop's time.
void keepFingerDown(double seconds);
// Slides in a straight line from `from` to `to`, arriving after `seconds`:
// a move every 1/120 s (the last one sooner when the time is not a whole
// number of them); a slide of no time is one move.
void slideFinger(CGPoint from, CGPoint to, double seconds);
void liftFinger(CGPoint point);

}
