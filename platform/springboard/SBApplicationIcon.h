#pragma once
// An application's icon on the home screen.
//
// Encodings: initWithApplication: "@@:@", getIconImage: "@@:i" (the format
// number is accepted and the application's one icon image given for each),
// application "@@:".

#include "SBApplication.h"

struct SBApplicationIcon : NSObject {
    Strong<SBApplication> application;
};

namespace springboard {
Class SBApplicationIconClass();
void registerSBApplicationIcon();
}
