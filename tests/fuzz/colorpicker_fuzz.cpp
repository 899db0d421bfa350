// libFuzzer target for colour strings: the byte-level reader, and
// LCPParseColorString with the input as the colour and as the fallback.
// Whatever the bytes, the result is a colour with components from 0 to 1, the
// one the reader gives, or the fallback's.

#include "colorpicker/ColorString.h"
#include "colorpicker/LCPParseColorString.h"
#include "uikit/UIKit.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

bool inUnitRange(double value) { return std::isfinite(value) && value >= 0 && value <= 1; }

bool same(const UIColor* color, const colorpicker::RGBA& rgba)
{
    return color && color->red == rgba.red && color->green == rgba.green && color->blue == rgba.blue && color->alpha == rgba.alpha;
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool const registered = (uikit::registerClasses(), true);
    (void)registered;

    std::string_view const text(reinterpret_cast<const char*>(data), size);
    std::optional<colorpicker::RGBA> const parsed = colorpicker::parseColorString(text);
    if (parsed) {
        require(size <= colorpicker::kMaximumColorStringLength && text.front() == '#');
        require(inUnitRange(parsed->red) && inUnitRange(parsed->green) && inUnitRange(parsed->blue) && inUnitRange(parsed->alpha));
    }

    AutoreleasePool pool;
    NSString* string = NSString::make(text);
    colorpicker::RGBA const white { 1, 1, 1, 1 };
    colorpicker::RGBA const black { 0, 0, 0, 1 };
    require(same(LCPParseColorString(string, NSSTR("#FFFFFF")), parsed.value_or(white)));
    require(same(LCPParseColorString(nullptr, string), parsed.value_or(black)));
    return 0;
}
