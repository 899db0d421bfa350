#pragma once
// A counter behind a C++ virtual call, defined in its own file so the compiler
// cannot see which override runs and must make a true indirect call.

struct VirtualCounter {
    virtual ~VirtualCounter() = default;
    virtual void increment() = 0;
    long count = 0;
};

VirtualCounter* makeVirtualCounter();
