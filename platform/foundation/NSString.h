#pragma once
// Immutable UTF-8 strings. CFStringRef is the same object, as on the phone.

#include "NSObject.h"

#include <string>
#include <string_view>

struct NSString : NSObject {
    std::string value;

    // An autoreleased string.
    static NSString* make(std::string_view text);
    // A string that is never freed, for literals (@"..." on the phone).
    static NSString* makeConstant(std::string_view text);
};

using CFStringRef = NSString*;

namespace foundation {
Class NSStringClass();
// Whether `object` is a string, so a wrongly typed argument can be refused.
bool isString(id object);
// Foundation's -boolValue of a string: skips leading white space and an optional
// sign and zeros, then true for Y, y, T, t or a digit 1 to 9.
bool stringBoolValue(std::string_view text);
}

#define NSSTR(literal) ([]() -> NSString* { static NSString* const constant = NSString::makeConstant(literal); return constant; }())
