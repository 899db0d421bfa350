#pragma once
// Arrays of objects; the mutable subclass shares the representation.

#include "NSObject.h"

#include <vector>

struct NSArray : NSObject {
    std::vector<Strong<objc_object>> items;

    static NSArray* array();
    static NSArray* mutableArray();
};

namespace foundation {
Class NSArrayClass();
Class NSMutableArrayClass();
}
