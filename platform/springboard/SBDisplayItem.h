#pragma once
// What the switcher shows and goes to: an application, by its bundle
// identifier, or the home screen ("com.apple.springboard").
//
// Encodings: displayItemWithType:displayIdentifier: "@@:@@" (class, an
// autoreleased item); type, displayIdentifier "@@:".

#include "foundation/NSObject.h"
#include "foundation/NSString.h"

inline constexpr const char* kDisplayItemTypeApplication = "App";
inline constexpr const char* kDisplayItemTypeHomeScreen = "Homescreen";
inline constexpr const char* kHomeScreenDisplayIdentifier = "com.apple.springboard";

struct SBDisplayItem : NSObject {
    Strong<NSString> type;
    Strong<NSString> displayIdentifier;

    bool isHomeScreen() const;
};

namespace springboard {
Class SBDisplayItemClass();
void registerSBDisplayItem();
// An autoreleased item for the application, or for the home screen when
// `bundleIdentifier` is empty.
SBDisplayItem* makeDisplayItem(const std::string& bundleIdentifier);
}
