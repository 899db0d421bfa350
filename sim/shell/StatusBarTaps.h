#pragma once
// A double tap on the status bar, as Activator hears it: two taps within 0.3 s
// (the second landing at most 0.3 s after the first lifted) in the top 20
// points of the screen, on what no window above the applications takes (while
// the panel is open its dimming window takes them, so nothing fires). A tap is
// what a tap recognizer takes: the finger lifts within kTapLargestMovement
// points and kTapLongestDuration seconds of landing. The touches still go on
// to the application in front or the home screen.

#include <functional>

struct UITouch;

namespace sim {

inline constexpr double kStatusBarTapHeight = 20;
inline constexpr double kStatusBarDoubleTapSeconds = 0.3;

// A sink for the touches no window takes that fires
// "libactivator.statusbar.tap.double" and hands every touch on to `next`.
std::function<void(UITouch*)> watchStatusBarDoubleTaps(std::function<void(UITouch*)> next);

}
