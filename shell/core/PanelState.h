#pragma once
// The panel's model: plain variables that every hook, gesture handler, animation
// and notification callback reads and writes directly, on the main thread.
// Everything starts zeroed when the library loads; references are strong.

#include "foundation/NSDictionary.h"
#include "foundation/NSString.h"
#include "runtime/Runtime.h"

#include <cstdint>

// Views and windows, built once when the shell finishes launching.
extern Strong<objc_object> window;
extern Strong<objc_object> bounds;
extern Strong<objc_object> grabber;
extern Strong<objc_object> grabberPointerImageView;
extern Strong<objc_object> iconView;
extern Strong<objc_object> badgeLabel;
extern Strong<objc_object> applicationContainerView;

// The pinned application.
extern Strong<NSString> currentHostedApplicationBundleIdentifier;
extern Strong<objc_object> app;
extern Strong<objc_object> appIcon;
// Set only through setApplicationView.
extern Strong<objc_object> applicationView;
extern "C" float scaleFactor;

// Settings and resources.
extern Strong<NSDictionary> settings;
extern Strong<objc_object> bundle;
extern Strong<objc_object> startupAlert;

// Flags and positions.
extern bool tweakEnabled;
extern bool isActive;
extern bool isHidden;
extern bool manuallyHidden;
extern bool isUnlocked;
extern bool needsToPutGrabberBack;
extern int32_t grabberOrigXBeforeKeyboardPop;
extern int32_t firstX;
extern int32_t firstY;

// Stores `view` in applicationView. The view held before leaves the panel
// first (unless it is the one stored again), so replaced host views never
// pile up in applicationContainerView.
void setApplicationView(id view);
// Scales applicationView by scaleFactor in x and y and moves its frame's
// origin to (0, 0): the one way its frame and transform are ever set.
void scaleApplicationView();
