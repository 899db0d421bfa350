#pragma once
// What opening and closing the panel share: the 0.3 s slide of the overlay
// window with the dimming, the window's resting places, the arrow's images,
// and the status-bar request to applications.

#include "runtime/Runtime.h"

#include <functional>

// The single-precision 0.3, handed over as a double (0.30000001192092896).
inline constexpr double kPanelSlideSeconds = static_cast<double>(0.3f);
inline constexpr double kOpenWindowX = 4;
// The single-precision 0.8, handed over as a double.
inline constexpr double kOpenDimmingAlpha = static_cast<double>(0.8f);

// Slides `window` to origin x `windowX` (read when the block runs) and the
// dimming window to `dimmingAlpha` over 0.3 s, then runs `completion`.
void slidePanel(std::function<double()> windowX, double dimmingAlpha, std::function<void()> completion);
// The screen's width − 50: where the window rests while closed.
double closedWindowX();
// The screen's width: the window entirely off the right edge, the grabber
// hidden.
double offScreenWindowX();
// Sets the arrow to "pointer_in" or "pointer_out" of the resource bundle;
// the caller re-applies the settings (updateTweakSettings) so it is tinted.
void setArrowImage(const char* resourceName);
// Posts "com.quillbrook.drawlet.changeHostedAppStatusBar" to every
// application.
void postStatusBarHidden(bool hidden);
// The closing completion's press of home: only on the home screen, and only
// while the switcher is not showing.
void pressHomeWhenOnHomeScreen(id shell);
