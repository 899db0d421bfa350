#include "NSValue.h"
#include "FoundationRegistration.h"
#include "NSString.h"

#include <cstdio>

namespace {

Class g_NSValue;

NSValue* asNSValue(id self) { return static_cast<NSValue*>(self); }

id valueWithCGRect(id, SEL, CGRect rect) { return NSValue::valueWithCGRect(rect); }
CGRect rectValue(id self, SEL) { return asNSValue(self)->rect; }

id valueDescription(id self, SEL)
{
    return NSString::make("NSRect: " + foundation::describeRect(asNSValue(self)->rect));
}

bool valueIsEqual(id self, SEL, id other)
{
    return other && foundation::isKindOf(other, g_NSValue) && asNSValue(self)->rect == asNSValue(other)->rect;
}

}

NSValue* NSValue::valueWithCGRect(CGRect rect)
{
    auto* value = static_cast<NSValue*>(class_createInstance(g_NSValue, 0));
    value->rect = rect;
    return static_cast<NSValue*>(objc_autorelease(value));
}

namespace foundation {

Class NSValueClass() { return g_NSValue; }

std::string describeRect(CGRect rect)
{
    char text[160];
    std::snprintf(text, sizeof text, "{{%g, %g}, {%g, %g}}", rect.origin.x, rect.origin.y, rect.size.width, rect.size.height);
    return text;
}

void registerNSValue()
{
    g_NSValue = runtime::defineClass("NSValue", NSObjectClass(), runtime::makeInstance<NSValue>);
    addClassMethod(g_NSValue, "valueWithCGRect:"_sel, valueWithCGRect);
    addMethod(g_NSValue, "CGRectValue"_sel, rectValue);
    addMethod(g_NSValue, "description"_sel, valueDescription);
    addMethod(g_NSValue, "isEqual:"_sel, valueIsEqual);
}

}
