#pragma once
// The settings file and its live reload.

#include "notifications/CFNotificationCenter.h"

inline constexpr const char* kSettingsFileName = "com.quillbrook.drawlet-preferences.plist";

// HOME/Library/Preferences/com.quillbrook.drawlet-preferences.plist
NSString* settingsFilePath();

// A fresh mutable dictionary of the settings file, or nil.
NSDictionary* readSettingsFile();

// The settings-changed callback: schedules one run of updateTweakSettings
// 0.2 s from now. Also called directly at the end of launch.
void loadPreferences(CFNotificationCenterRef center = nullptr, void* observer = nullptr, CFStringRef name = nullptr,
    const void* object = nullptr, CFDictionaryRef userInfo = nullptr);

// Re-reads the file and applies the grabber's layout and colours.
void updateTweakSettings();
