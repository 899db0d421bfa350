#pragma once
// The shell's list of installed applications.
//
// Encodings: sharedInstance "@@:" (class), applicationWithBundleIdentifier:
// "@@:@" (nil for an identifier the shell does not know, or for a non-string).

#include "SBApplication.h"

#include <vector>

struct SBApplicationController : NSObject {
    std::vector<Strong<SBApplication>> applications;
};

namespace springboard {
Class SBApplicationControllerClass();
void registerSBApplicationController();

// Adds an application to the shared controller's list (replacing one with the
// same bundle identifier).
void installApplication(SBApplication* application);
}
