#include "SettingsValues.h"

#include "foundation/NSNumber.h"
#include "foundation/NSString.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace apps {

bool settingsBool(NSDictionary* settings, std::string_view key)
{
    id value = settings ? settings->objectForKey(key) : nullptr;
    if (foundation::isKindOf(value, foundation::NSNumberClass()))
        return static_cast<NSNumber*>(value)->boolValue();
    if (foundation::isKindOf(value, foundation::NSStringClass()))
        return foundation::stringBoolValue(static_cast<NSString*>(value)->value);
    return false;
}

std::optional<std::string> settingsString(NSDictionary* settings, std::string_view key)
{
    id value = settings ? settings->objectForKey(key) : nullptr;
    if (!foundation::isKindOf(value, foundation::NSStringClass()))
        return std::nullopt;
    return static_cast<NSString*>(value)->value;
}

std::string colourText(const colorpicker::RGBA& colour)
{
    auto const byte = [](double component) { return static_cast<unsigned>(std::lround(std::clamp(component, 0.0, 1.0) * 255)); };
    char text[32];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", byte(colour.red), byte(colour.green), byte(colour.blue));
    std::string result = text;
    if (colour.alpha >= 1)
        return result;
    std::snprintf(text, sizeof text, "%.3f", std::clamp(colour.alpha, 0.0, 1.0));
    std::string alpha = text;
    while (alpha.back() == '0')
        alpha.pop_back();
    if (alpha.back() == '.')
        alpha.pop_back();
    // Within half a thousandth of opaque reads as opaque.
    return alpha == "1" ? result : result + ":" + alpha;
}

colorpicker::RGBA settingsColour(NSDictionary* settings, std::string_view key, std::string_view fallback)
{
    if (auto stored = settingsString(settings, key)) {
        if (auto colour = colorpicker::parseColorString(*stored))
            return *colour;
    }
    return colorpicker::parseColorString(fallback).value_or(colorpicker::RGBA {});
}

}
