#include "VirtualCounter.h"

namespace {

struct CountingCounter final : VirtualCounter {
    void increment() override { ++count; }
};

}

VirtualCounter* makeVirtualCounter()
{
    return new CountingCounter;
}
