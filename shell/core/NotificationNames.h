#pragma once
// The names the shell library observes and posts, defined once here.

inline constexpr const char* kLockCompleteNotification = "com.apple.springboard.lockcomplete";
inline constexpr const char* kLockStateNotification = "com.apple.springboard.lockstate";
inline constexpr const char* kSettingsChangedNotification = "com.quillbrook.drawlet-preferences/settingschanged";
