#pragma once
// Typed reads of the settings dictionary. The file comes from outside the system
// (a settings pane, or a person with an editor), so no value is trusted to have
// the type its key promises.

#include "foundation/NSDictionary.h"
#include "foundation/NSString.h"

// A boolean key: a boolean or a number (non-zero is true), or a string read as
// Foundation's boolValue reads it; anything else, or no value, is false.
bool settingsBool(NSDictionary* dictionary, const char* key);

// A string key: the string, or nil when the value is absent or not a string.
NSString* settingsString(NSDictionary* dictionary, const char* key);

// "YES" or "NO", as the log lines print booleans.
NSString* yesOrNo(bool value);
