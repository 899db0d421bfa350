#pragma once
// The Settings application's reading of Drawlet's settings dictionary, the
// way the shell reads it: the file comes from outside (drawlet-settings, an
// editor), so no value is trusted to have the type its key promises.

#include "colorpicker/ColorString.h"
#include "foundation/NSDictionary.h"

#include <optional>
#include <string>
#include <string_view>

namespace apps {

// A boolean, or a number (non-zero is true), or a string read as Foundation's
// boolValue reads it; anything else, or no value, is false.
bool settingsBool(NSDictionary* settings, std::string_view key);

// The string, or nothing when the value is absent or not a string.
std::optional<std::string> settingsString(NSDictionary* settings, std::string_view key);

// "#RRGGBB", with ":ALPHA" (at most three decimals) when not opaque.
std::string colourText(const colorpicker::RGBA& colour);

// The colour a colour key stands for, as the shell shows it: the stored
// string's colour, or the fallback's when it is absent or unreadable.
colorpicker::RGBA settingsColour(NSDictionary* settings, std::string_view key, std::string_view fallback);

}
