#pragma once
// An application the shell knows: its identifiers, name, badge and icon, and
// the lifecycle callbacks the shell sends it. It has no setHidden: of its own
// (a library may add one).
//
// Encodings: willActivate "v@:", willDeactivateForEventsOnly: "v@:B";
// bundleIdentifier, displayIdentifier, displayName, badgeNumberOrString,
// mainScene "@@:" (the application's one scene, kept by the shell);
// setBadge: "v@:@" (a number or a string; 0 or nil: no badge).

#include "foundation/NSString.h"
#include "uikit/UIImage.h"

struct SBApplication : NSObject {
    Strong<NSString> bundleIdentifier;
    Strong<NSString> displayName;
    // A number, a string or nil.
    Strong<objc_object> badge;
    Strong<UIImage> iconImage;

    long activationCount = 0;
    long deactivationCount = 0;
    bool lastDeactivationForEventsOnly = false;

    // An autoreleased application.
    static SBApplication* make(std::string_view bundleIdentifier, std::string_view displayName);
};

namespace springboard {
Class SBApplicationClass();
void registerSBApplication();
}
