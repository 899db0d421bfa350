#pragma once
// The app switcher (the phone's double press of home): a window over the
// applications and the shell's windows at the status-bar level, below the
// keyboard, banners, the lock screen and alerts, showing a card for the home
// screen and then one for each running application, the latest in front
// first, each with its latest frame. It fades in, then its view controller
// (SBDeckSwitcherViewController) gets viewDidAppear:; SBUIController's
// isAppSwitcherShowing answers true from the opening until it has gone.
//
// A tap on a card (or dismissAppSwitcher) goes to that application, which
// comes to the front, or to the home screen; then the controller is sent
// animateDismissalToDisplayItem:forTransitionRequest:withCompletion: with the
// target's SBDisplayItem, through the runtime, and the controller's own
// implementation fades the switcher out and runs the completion once it has
// gone. While it shows, the application in front stops receiving events.

#include "runtime/Runtime.h"
#include "uikit/UIWindow.h"

#include <string>

namespace springboard {

inline constexpr UIWindowLevel kAppSwitcherWindowLevel = 1050;
inline constexpr double kAppSwitcherFadeSeconds = 0.25;

// False, with the reason, while the phone is locked or a switcher shows; one
// still fading out goes at once.
bool presentAppSwitcher(std::string* error);
// Goes to the application with this bundle identifier, or to the home
// screen when it is empty. False, with the reason, when the switcher is not
// presented, the phone is locked, or no card shows the application.
bool dismissAppSwitcher(const std::string& bundleIdentifier, std::string* error);
// The same for an application that may have no card (opened while the
// switcher shows): false, with the reason, when it cannot be opened, and the
// switcher goes to the home screen then.
bool openThroughAppSwitcher(const std::string& bundleIdentifier, std::string* error);
// From the opening until a dismissal starts.
bool isAppSwitcherPresented();

// The controller's own dismissal: fades out the switcher that `controller`
// shows, then hides it and runs `completion`; runs it at once when
// `controller` shows nothing.
void animateAppSwitcherAway(id controller, id completion);
// The action of the cards' tap recognizers.
void appSwitcherCardTapped(id recognizer);
// The switcher follows the screen when the interface turns.
void layOutAppSwitcher();

void resetAppSwitcher();

}
