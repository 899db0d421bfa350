#pragma once
// A notification as the shell's bulletin board hands it to the banner
// controller: the application it came from (its section) and what it says.
//
// Encodings: sectionID, title, message "@@:" (the bundle identifier, the
// title, the text; strings or nil); setSectionID:, setTitle:, setMessage:
// "v@:@" (anything but a string is refused with a log line).

#include "foundation/NSObject.h"
#include "foundation/NSString.h"

struct BBBulletin : NSObject {
    Strong<NSString> sectionID;
    Strong<NSString> title;
    Strong<NSString> message;
};

namespace springboard {
Class BBBulletinClass();
void registerBBBulletin();
}
