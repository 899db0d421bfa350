#pragma once
// Activator: gestures and other device events go to the listener the user
// assigned to them. Libraries register listeners by name as they load; the
// user's assignments and the names Activator has met live in its own settings
// file (ActivatorPreferences.h).
//
// A name registered while the libraries load counts as seen only once the
// load has finished (activator::finishLoading), so a library asking
// hasSeenListenerWithName: right after registering learns whether this is the
// first load since it was installed, and gives its defaults only then.
//
// Encodings: sharedInstance "@@:" (class; the same object as the exported
// LASharedActivator), registerListener:forName: "v@:@@",
// hasSeenListenerWithName: "B@:@", assignEvent:toListenerWithName: "v@:@@",
// unassignEvent: "v@:@", assignedListenerNameForEvent: "@@:@",
// listenerForName: "@@:@", availableListenerNames "@@:" (an array, in the
// order of registration), currentEventMode "@@:", sendEventToListener: "v@:@"
// (the event goes to its assigned listener when that listener takes events
// in the event's mode; a listener marks it handled).
//
// Assignments are by event name: an event has at most one listener, a
// listener any number of events.

#include "ActivatorPreferences.h"

#include "foundation/NSObject.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct LAActivator : NSObject {
    std::vector<std::pair<std::string, Strong<objc_object>>> listeners;
    activator::ActivatorPreferences preferences;
    bool preferencesRead = false;
    // Registered before the load finished: seen from then on.
    std::vector<std::string> registeredDuringLoad;
    bool loadFinished = false;
};

// The shell's one Activator, made when the area's classes are registered.
extern "C" LAActivator* LASharedActivator;

namespace activator {

Class LAActivatorClass();
void registerLAActivator();
// Replaces the shared Activator with a fresh one; for tests.
void resetLAActivator();

// The libraries have loaded: the names registered meanwhile are seen from now
// on, and the settings file is written with them and the assignments made
// meanwhile (and after each change from now on). Later registrations count as
// seen at once.
void finishLoading();

// The events assigned to the listener, in the settings file's order.
std::vector<std::string> eventsAssignedTo(std::string_view listener);

// "lockscreen" while the phone is locked, otherwise "application" while an
// application is in front, otherwise "springboard".
std::string currentEventMode();

}
