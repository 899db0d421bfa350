#pragma once
// Every name the shell library observes or posts, and the payload keys that go
// with them, defined once here. The client in each application names what it
// receives itself; the two libraries share no code.

// Darwin notify center: the name alone, no object, no user info.
inline constexpr const char* kLockCompleteNotification = "com.apple.springboard.lockcomplete";
inline constexpr const char* kLockStateNotification = "com.apple.springboard.lockstate";
inline constexpr const char* kSettingsChangedNotification = "com.quillbrook.drawlet-preferences/settingschanged";

// Distributed center: a name and a one-entry user info.
// "statusBarHidden": a number holding a bool; true while the hosted application is shown.
inline constexpr const char* kChangeHostedAppStatusBarNotification = "com.quillbrook.drawlet.changeHostedAppStatusBar";
inline constexpr const char* kStatusBarHiddenKey = "statusBarHidden";
// "orientation": a number holding a 32-bit UIInterfaceOrientation of the shell.
inline constexpr const char* kChangeHostedAppOrientationNotification = "com.quillbrook.drawlet.changeHostedAppOrientation";
inline constexpr const char* kOrientationKey = "orientation";
// "bundleIdentifier": the pinned application's bundle identifier, as a string.
inline constexpr const char* kCurrentHostedAppChangedNotification = "com.quillbrook.drawlet.currentHostedAppChanged";
inline constexpr const char* kBundleIdentifierKey = "bundleIdentifier";

// Per-application names: the format's one "%@" is the bundle identifier, with
// the suffix following it directly.
// Distributed, with "isHidden": a number holding a 32-bit integer (callers pass 1).
inline constexpr const char* kStatusBarChangeNotificationFormat = "%@VeskStatusBarChange";
inline constexpr const char* kIsHiddenKey = "isHidden";
// Darwin, no payload.
inline constexpr const char* kLandscapeRotateNotificationFormat = "%@VeskLandscapeRotate";
inline constexpr const char* kPortraitRotateNotificationFormat = "%@VeskPortraitRotate";
