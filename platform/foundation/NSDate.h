#pragma once
// Dates, as property lists hold them: seconds since the reference date,
// 2001-01-01 00:00:00 UTC. Only what keeps a date read from a property list
// a date when the list is written back.

#include "NSObject.h"

struct NSDate : NSObject {
    double timeIntervalSinceReferenceDate = 0;

    static NSDate* dateWithTimeIntervalSinceReferenceDate(double seconds);
};

namespace foundation {
Class NSDateClass();
}
