#include "UIFont.h"

#include <cmath>
#include <cstdio>

namespace {

Class g_UIFont;
constexpr const char* kSystemFontName = ".SFUIText";
constexpr const char* kBoldSystemFontName = ".SFUIText-Bold";

UIFont* makeFont(const char* name, CGFloat pointSize)
{
    auto* font = static_cast<UIFont*>(class_createInstance(g_UIFont, 0));
    font->fontName = NSString::make(name);
    // A size that cannot be drawn gets the platform's default size instead.
    font->pointSize = std::isfinite(pointSize) && pointSize > 0 ? pointSize : 17;
    return static_cast<UIFont*>(objc_autorelease(font));
}

UIFont* asUIFont(id self) { return static_cast<UIFont*>(self); }

id systemFontOfSize(id, SEL, CGFloat size) { return UIFont::systemFont(size); }
id boldSystemFontOfSize(id, SEL, CGFloat size) { return UIFont::boldSystemFont(size); }
CGFloat pointSize(id self, SEL) { return asUIFont(self)->pointSize; }
id fontName(id self, SEL) { return asUIFont(self)->fontName; }

bool fontIsEqual(id self, SEL, id other)
{
    if (!foundation::isKindOf(other, g_UIFont))
        return false;
    return asUIFont(self)->pointSize == asUIFont(other)->pointSize && send<bool>(asUIFont(self)->fontName, "isEqual:"_sel, static_cast<id>(asUIFont(other)->fontName));
}

id fontDescription(id self, SEL)
{
    char text[160];
    std::snprintf(text, sizeof text, "<UIFont: %p> font-family: \"%s\"; font-size: %gpt", static_cast<void*>(self), foundation::describe(asUIFont(self)->fontName).c_str(), asUIFont(self)->pointSize);
    return NSString::make(text);
}

}

UIFont* UIFont::systemFont(CGFloat pointSize) { return makeFont(kSystemFontName, pointSize); }
UIFont* UIFont::boldSystemFont(CGFloat pointSize) { return makeFont(kBoldSystemFontName, pointSize); }

namespace uikit {

Class UIFontClass() { return g_UIFont; }

void registerUIFont()
{
    g_UIFont = runtime::defineClass("UIFont", foundation::NSObjectClass(), runtime::makeInstance<UIFont>);
    addClassMethod(g_UIFont, "systemFontOfSize:"_sel, systemFontOfSize);
    addClassMethod(g_UIFont, "boldSystemFontOfSize:"_sel, boldSystemFontOfSize);
    addMethod(g_UIFont, "pointSize"_sel, pointSize);
    addMethod(g_UIFont, "fontName"_sel, fontName);
    addMethod(g_UIFont, "isEqual:"_sel, fontIsEqual);
    addMethod(g_UIFont, "description"_sel, fontDescription);
}

}
