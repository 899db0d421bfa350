#pragma once
// What the shell tells an application (SBApplication) as it comes to the
// front and leaves it, sent through the runtime so that replacements run. The
// front application changes first and the messages follow.
//
//   willActivate                    just before it comes to the front (from its
//                                   icon, from the switcher, by `open`);
//   willDeactivateForEventsOnly: NO   it leaves the front;
//   willDeactivateForEventsOnly: YES  it stays in front but stops receiving
//                                   events (the switcher, an alert or the lock
//                                   screen over it), once until it is activated
//                                   again, leaves the front or gets its events
//                                   back.

#include "runtime/Runtime.h"

#include <string>
#include <vector>

namespace springboard {

// `application` is now in front, after `previous` (nil: the home screen).
// Sends `previous` its deactivation when it left, and `application`
// willActivate unless it was in front already and receiving events.
void applicationCameToFront(id application, id previous);
// `previous` (nil: nothing) left the front for the home screen.
void applicationLeftFront(id previous);

// Something now covers the application in front, if there is one.
void frontApplicationStopsReceivingEvents();
// The switcher, an alert or the lock screen went away: the application in
// front receives events again once none of them is left.
void frontApplicationMayReceiveEventsAgain();

// Bundle identifiers of the applications that came to the front, the latest
// first, each once.
std::vector<std::string> recentApplications();

void resetApplicationLifecycle();

}
