#pragma once
// The application in front fills the screen below every window (the
// compositor draws its latest frame there), so the touches that no window
// takes are its own: they go to its process at the same point, as touches on
// a hosted scene do (frontboard/SceneTouchForwarding.h). On the home screen
// they go to the home screen's own sink, when the shell has one.

#include <functional>

struct UITouch;

namespace springboard {

// Makes the shell's touch input route such touches; the shell does it at
// start. Where a touch goes is decided as it lands: all its events follow.
// TouchInput's reset undoes it.
void routeUnclaimedTouchesToFrontApplication(std::function<void(UITouch*)> homeScreen = {});

}
