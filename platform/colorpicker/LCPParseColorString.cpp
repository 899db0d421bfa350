#include "LCPParseColorString.h"
#include "ColorString.h"

#include "uikit/UIKit.h"

namespace {

std::optional<colorpicker::RGBA> parseObject(id object)
{
    // Settings values are untrusted: whatever arrives typed as a string may not be one.
    if (!foundation::isKindOf(object, foundation::NSStringClass()))
        return std::nullopt;
    return colorpicker::parseColorString(static_cast<NSString*>(object)->value);
}

}

UIColor* LCPParseColorString(NSString* colorString, NSString* fallback)
{
    uikit::registerClasses();
    std::optional<colorpicker::RGBA> color = parseObject(colorString);
    if (!color)
        color = parseObject(fallback);
    colorpicker::RGBA const rgba = color.value_or(colorpicker::RGBA { 0, 0, 0, 1 });
    return UIColor::make(rgba.red, rgba.green, rgba.blue, rgba.alpha);
}
