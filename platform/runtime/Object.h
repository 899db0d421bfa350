#pragma once
// Every object of the runtime: an isa pointer and a reference count.

#include "objc.h"

#include <cstdint>

struct objc_object {
    objc_object() = default;
    objc_object(const objc_object&) = delete;
    objc_object& operator=(const objc_object&) = delete;
    virtual ~objc_object() = default;

    Class isa = nullptr;
    uint32_t retainCount = 1;
    // Constant objects (string literals, classes) ignore retain and release.
    bool immortal = false;
};

id objc_retain(id object);
void objc_release(id object);
id objc_autorelease(id object);
Class object_getClass(id object);
