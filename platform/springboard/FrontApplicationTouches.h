#pragma once
// The application in front fills the screen below every window (the
// compositor draws its latest frame there), so the touches that no window
// takes are its own: they go to its process at the same point, as touches on
// a hosted scene do (frontboard/SceneTouchForwarding.h). On the home screen
// they go nowhere.

namespace springboard {

// Makes the shell's touch input route such touches; the shell does it at
// start. TouchInput's reset undoes it.
void routeUnclaimedTouchesToFrontApplication();

}
