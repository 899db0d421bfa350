#pragma once
// The one object through which the panel shows another application's live
// scene: it wraps the shell's application objects, scenes and context-host
// managers, fetched afresh on every call, and posts the per-application
// notifications.

#include "foundation/NSDictionary.h"
#include "runtime/Runtime.h"

struct RKVContextHostProvider : NSObject {
    // Read by hostViewForApplication:, never filled: every load enables
    // hosting again.
    Strong<NSDictionary> _hostedApplications;
    bool _currentAppHasFinishedLaunching = false;
};

// The class, defined on first use.
Class RKVContextHostProviderClass();

// The one shared provider, as its class method sharedInstance gives it.
id sharedHostProvider();
