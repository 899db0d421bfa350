#include "NSString.h"
#include "FoundationRegistration.h"

#include <cctype>
#include <cstdlib>
#include <functional>

namespace {

Class g_NSString;

NSString* asNSString(id self) { return static_cast<NSString*>(self); }

id stringWithUTF8String(id, SEL, const char* text)
{
    return text ? NSString::make(text) : nullptr;
}

id string(id, SEL) { return NSString::make(""); }
const char* UTF8String(id self, SEL) { return asNSString(self)->value.c_str(); }
unsigned long stringLength(id self, SEL)
{
    // Counts UTF-16 code units as Foundation does.
    unsigned long units = 0;
    for (unsigned char c : asNSString(self)->value) {
        if ((c & 0xC0) != 0x80)
            units += (c >= 0xF0) ? 2 : 1;
    }
    return units;
}
id stringDescription(id self, SEL) { return self; }

bool isEqualToString(id self, SEL, id other)
{
    if (!other || !foundation::isKindOf(other, g_NSString))
        return false;
    return asNSString(self)->value == asNSString(other)->value;
}

bool stringIsEqual(id self, SEL selector, id other) { return isEqualToString(self, selector, other); }
unsigned long stringHash(id self, SEL) { return std::hash<std::string> {}(asNSString(self)->value); }
bool stringBoolValueMethod(id self, SEL) { return foundation::stringBoolValue(asNSString(self)->value); }

long long stringIntegerValue(id self, SEL)
{
    return std::strtoll(asNSString(self)->value.c_str(), nullptr, 10);
}

int stringIntValue(id self, SEL)
{
    // Foundation clamps out-of-range values rather than wrapping them.
    long long value = stringIntegerValue(self, nullptr);
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int>(value);
}

double stringDoubleValue(id self, SEL) { return std::strtod(asNSString(self)->value.c_str(), nullptr); }

}

NSString* NSString::make(std::string_view text)
{
    auto* string = static_cast<NSString*>(class_createInstance(g_NSString, 0));
    string->value = text;
    return static_cast<NSString*>(objc_autorelease(string));
}

NSString* NSString::makeConstant(std::string_view text)
{
    foundation::registerClasses();
    auto* string = static_cast<NSString*>(class_createInstance(g_NSString, 0));
    string->value = text;
    string->immortal = true;
    return string;
}

namespace foundation {

Class NSStringClass() { return g_NSString; }
bool isString(id object) { return isKindOf(object, g_NSString); }

bool stringBoolValue(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    while (i < text.size() && text[i] == '0')
        ++i;
    if (i == text.size())
        return false;
    char c = text[i];
    return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
}

void registerNSString()
{
    g_NSString = runtime::defineClass("NSString", NSObjectClass(), runtime::makeInstance<NSString>);
    runtime::defineClass("NSMutableString", g_NSString, nullptr);
    addClassMethod(g_NSString, "stringWithUTF8String:"_sel, stringWithUTF8String);
    addClassMethod(g_NSString, "string"_sel, string);
    addMethod(g_NSString, "UTF8String"_sel, UTF8String);
    addMethod(g_NSString, "length"_sel, stringLength);
    addMethod(g_NSString, "description"_sel, stringDescription);
    addMethod(g_NSString, "isEqualToString:"_sel, isEqualToString);
    addMethod(g_NSString, "isEqual:"_sel, stringIsEqual);
    addMethod(g_NSString, "hash"_sel, stringHash);
    addMethod(g_NSString, "boolValue"_sel, stringBoolValueMethod);
    addMethod(g_NSString, "intValue"_sel, stringIntValue);
    addMethod(g_NSString, "integerValue"_sel, stringIntegerValue);
    addMethod(g_NSString, "doubleValue"_sel, stringDoubleValue);
}

}
