#pragma once
// Numbers: booleans, integers and reals, as property lists hold them.

#include "NSObject.h"

struct NSNumber : NSObject {
    enum class Kind {
        Bool,
        Integer,
        Real,
    };
    Kind kind = Kind::Integer;
    long long integer = 0;
    double real = 0;

    static NSNumber* numberWithBool(bool value);
    static NSNumber* numberWithInteger(long long value);
    static NSNumber* numberWithDouble(double value);

    bool boolValue() const;
    long long integerValue() const;
    double doubleValue() const;
};

namespace foundation {
Class NSNumberClass();
// Truncates toward zero and saturates at the 32-bit limits instead of overflowing.
int saturatingInt32(double value);
}
