#pragma once
// The shell's notification banner: the sending application's icon, its name
// and the bulletin's text on a card at the top of the screen, for 3 seconds,
// in a window of its own above the keyboard and below the lock screen. A new
// bulletin replaces the banner showing and shows for 3 seconds from then; a
// tap on the banner opens the application and takes the banner away.

#include "runtime/Runtime.h"
#include "uikit/UIWindow.h"

#include <string>

namespace springboard {

inline constexpr UIWindowLevel kBannerWindowLevel = 1200;
inline constexpr double kBannerSeconds = 3;

// Shows `bulletin` (a BBBulletin; anything else is refused with a log line).
void showBanner(id bulletin);
// The bundle identifier of the application whose banner shows; empty when
// none shows.
std::string shownBannerSection();
// The banner's window, or nil when none shows.
UIWindow* bannerWindow();

// The action of the banner's tap recognizer.
void bannerTapped(id recognizer);
// The banner showing follows the screen when the interface turns.
void layOutBanner();

void resetBanner();

}
