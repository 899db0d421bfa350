#pragma once
// An Activator event: the name of what happened
// ("libactivator.statusbar.tap.double"), the mode the device was in when it
// happened ("springboard", "application", "lockscreen"; nil for an event made
// from its name alone, as assignments are), and whether a listener took it.
//
// Encodings: eventWithName: "@@:@" and eventWithName:mode: "@@:@@" (class
// methods, autoreleased events), name "@@:", mode "@@:", handled "B@:",
// setHandled: "v@:B".

#include "foundation/NSString.h"

#include <string_view>

struct LAEvent : NSObject {
    Strong<NSString> name;
    Strong<NSString> mode;
    bool handled = false;
};

namespace activator {

Class LAEventClass();
void registerLAEvent();

// An autoreleased event, made through the runtime as eventWithName:mode:.
LAEvent* makeEvent(std::string_view name, std::string_view mode);

}
