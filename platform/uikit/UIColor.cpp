#include "UIColor.h"

#include "foundation/NSString.h"

#include <cstdio>
#include <functional>

namespace {

Class g_UIColor;

UIColor* asUIColor(id self) { return static_cast<UIColor*>(self); }

id colorWithRedGreenBlueAlpha(id, SEL, CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha)
{
    return UIColor::make(red, green, blue, alpha);
}

id colorWithWhiteAlpha(id, SEL, CGFloat white, CGFloat alpha)
{
    return UIColor::make(white, white, white, alpha);
}

id initWithRedGreenBlueAlpha(id self, SEL, CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha)
{
    auto* color = asUIColor(self);
    color->red = red;
    color->green = green;
    color->blue = blue;
    color->alpha = alpha;
    return self;
}

id whiteColor(id, SEL) { return UIColor::make(1, 1, 1, 1); }
id blackColor(id, SEL) { return UIColor::make(0, 0, 0, 1); }
id redColor(id, SEL) { return UIColor::make(1, 0, 0, 1); }
id clearColor(id, SEL) { return UIColor::make(0, 0, 0, 0); }

bool colorIsEqual(id self, SEL, id other)
{
    if (!foundation::isKindOf(other, g_UIColor))
        return false;
    auto const* a = asUIColor(self);
    auto const* b = asUIColor(other);
    return a->red == b->red && a->green == b->green && a->blue == b->blue && a->alpha == b->alpha;
}

unsigned long colorHash(id self, SEL)
{
    auto const* color = asUIColor(self);
    // Equal colours have equal components, so they hash alike (0.0 and -0.0 included).
    auto component = [](CGFloat value) { return std::hash<CGFloat> {}(value == 0 ? 0.0 : value); };
    return component(color->red) ^ (component(color->green) << 1) ^ (component(color->blue) << 2) ^ (component(color->alpha) << 3);
}

id colorDescription(id self, SEL)
{
    auto const* color = asUIColor(self);
    char text[128];
    std::snprintf(text, sizeof text, "UIExtendedSRGBColorSpace %g %g %g %g", color->red, color->green, color->blue, color->alpha);
    return NSString::make(text);
}

}

UIColor* UIColor::make(CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha)
{
    auto* color = static_cast<UIColor*>(class_createInstance(g_UIColor, 0));
    initWithRedGreenBlueAlpha(color, nullptr, red, green, blue, alpha);
    return static_cast<UIColor*>(objc_autorelease(color));
}

namespace uikit {

Class UIColorClass() { return g_UIColor; }

void registerUIColor()
{
    g_UIColor = runtime::defineClass("UIColor", foundation::NSObjectClass(), runtime::makeInstance<UIColor>);
    addClassMethod(g_UIColor, "colorWithRed:green:blue:alpha:"_sel, colorWithRedGreenBlueAlpha);
    addClassMethod(g_UIColor, "colorWithWhite:alpha:"_sel, colorWithWhiteAlpha);
    addClassMethod(g_UIColor, "whiteColor"_sel, whiteColor);
    addClassMethod(g_UIColor, "blackColor"_sel, blackColor);
    addClassMethod(g_UIColor, "redColor"_sel, redColor);
    addClassMethod(g_UIColor, "clearColor"_sel, clearColor);
    addMethod(g_UIColor, "initWithRed:green:blue:alpha:"_sel, initWithRedGreenBlueAlpha);
    addMethod(g_UIColor, "isEqual:"_sel, colorIsEqual);
    addMethod(g_UIColor, "hash"_sel, colorHash);
    addMethod(g_UIColor, "description"_sel, colorDescription);
}

}
