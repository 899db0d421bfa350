#include "NSNumber.h"
#include "FoundationRegistration.h"
#include "NSString.h"

#include <cmath>
#include <cstdio>

namespace {

Class g_NSNumber;

NSNumber* asNSNumber(id self) { return static_cast<NSNumber*>(self); }

NSNumber* makeNumber(NSNumber::Kind kind, long long integer, double real)
{
    auto* number = static_cast<NSNumber*>(class_createInstance(g_NSNumber, 0));
    number->kind = kind;
    number->integer = integer;
    number->real = real;
    return static_cast<NSNumber*>(objc_autorelease(number));
}

id numberWithBool(id, SEL, bool value) { return NSNumber::numberWithBool(value); }
id numberWithInt(id, SEL, int value) { return NSNumber::numberWithInteger(value); }
id numberWithInteger(id, SEL, long value) { return NSNumber::numberWithInteger(value); }
id numberWithDouble(id, SEL, double value) { return NSNumber::numberWithDouble(value); }
id numberWithFloat(id, SEL, float value) { return NSNumber::numberWithDouble(value); }
bool numberBoolValue(id self, SEL) { return asNSNumber(self)->boolValue(); }
int numberIntValue(id self, SEL)
{
    auto* number = asNSNumber(self);
    return foundation::saturatingInt32(number->kind == NSNumber::Kind::Real ? number->real : static_cast<double>(number->integer));
}
long numberIntegerValue(id self, SEL) { return static_cast<long>(asNSNumber(self)->integerValue()); }
double numberDoubleValue(id self, SEL) { return asNSNumber(self)->doubleValue(); }
float floatValue(id self, SEL) { return static_cast<float>(asNSNumber(self)->doubleValue()); }

id numberDescription(id self, SEL)
{
    auto* number = asNSNumber(self);
    if (number->kind != NSNumber::Kind::Real)
        return NSString::make(std::to_string(number->integerValue()));
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", number->real);
    return NSString::make(text);
}

bool numberIsEqual(id self, SEL, id other)
{
    if (!other || !foundation::isKindOf(other, g_NSNumber))
        return false;
    return asNSNumber(self)->doubleValue() == asNSNumber(other)->doubleValue() && asNSNumber(self)->integerValue() == asNSNumber(other)->integerValue();
}

}

NSNumber* NSNumber::numberWithBool(bool value) { return makeNumber(Kind::Bool, value ? 1 : 0, value ? 1 : 0); }
NSNumber* NSNumber::numberWithInteger(long long value) { return makeNumber(Kind::Integer, value, static_cast<double>(value)); }
NSNumber* NSNumber::numberWithDouble(double value) { return makeNumber(Kind::Real, 0, value); }

bool NSNumber::boolValue() const
{
    return kind == Kind::Real ? real != 0 : integer != 0;
}

long long NSNumber::integerValue() const
{
    if (kind != Kind::Real)
        return integer;
    if (std::isnan(real))
        return 0;
    if (real >= 9.2e18)
        return INT64_MAX;
    if (real <= -9.2e18)
        return INT64_MIN;
    return static_cast<long long>(real);
}

double NSNumber::doubleValue() const
{
    return kind == Kind::Real ? real : static_cast<double>(integer);
}

namespace foundation {

Class NSNumberClass() { return g_NSNumber; }

int saturatingInt32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return INT32_MAX;
    if (value <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int>(value);
}

void registerNSNumber()
{
    g_NSNumber = runtime::defineClass("NSNumber", NSObjectClass(), runtime::makeInstance<NSNumber>);
    addClassMethod(g_NSNumber, "numberWithBool:"_sel, numberWithBool);
    addClassMethod(g_NSNumber, "numberWithInt:"_sel, numberWithInt);
    addClassMethod(g_NSNumber, "numberWithInteger:"_sel, numberWithInteger);
    addClassMethod(g_NSNumber, "numberWithDouble:"_sel, numberWithDouble);
    addClassMethod(g_NSNumber, "numberWithFloat:"_sel, numberWithFloat);
    addMethod(g_NSNumber, "boolValue"_sel, numberBoolValue);
    addMethod(g_NSNumber, "intValue"_sel, numberIntValue);
    addMethod(g_NSNumber, "integerValue"_sel, numberIntegerValue);
    addMethod(g_NSNumber, "doubleValue"_sel, numberDoubleValue);
    addMethod(g_NSNumber, "floatValue"_sel, floatValue);
    addMethod(g_NSNumber, "description"_sel, numberDescription);
    addMethod(g_NSNumber, "stringValue"_sel, numberDescription);
    addMethod(g_NSNumber, "isEqual:"_sel, numberIsEqual);
}

}
