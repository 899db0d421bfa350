#pragma once
// Raw bytes, as property lists hold them.

#include "NSObject.h"

#include <cstdint>
#include <vector>

struct NSData : NSObject {
    std::vector<uint8_t> bytes;

    static NSData* make(std::vector<uint8_t> bytes);
};

namespace foundation {
Class NSDataClass();
}
