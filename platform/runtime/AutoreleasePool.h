#pragma once
// Objects handed back by convenience constructors are autoreleased: the run loop
// drains a pool after each callback, as on the phone.

class AutoreleasePool {
public:
    AutoreleasePool();
    ~AutoreleasePool();
    AutoreleasePool(const AutoreleasePool&) = delete;
    AutoreleasePool& operator=(const AutoreleasePool&) = delete;

    void drain();
};
