#pragma once
// A tap on an icon of the home screen opens its application in front, full
// screen, as on the phone. A tap is what a tap recognizer takes: the finger
// lifts within kTapLargestMovement points and kTapLongestDuration seconds of
// landing. The icons are where the compositor draws them.

#include <functional>

struct UITouch;

namespace sim {

// A sink for the touches that land on the home screen (no window takes them
// and no application is in front).
std::function<void(UITouch*)> makeHomeScreenTapSink();

}
