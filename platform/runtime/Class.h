#pragma once
// Classes: a name, a superclass, a table of the class's own methods and a lookup
// cache indexed by selector that also covers inherited methods.

#include "Object.h"
#include "Selector.h"

#include <string>
#include <unordered_map>
#include <vector>

struct objc_method {
    SEL name;
    IMP imp;
    uint32_t encodingId;
};

// Makes a zeroed instance of the class's C++ type; subclasses without a C++
// type of their own inherit their superclass's factory.
using InstanceFactory = id (*)();

struct objc_class : objc_object {
    std::string name;
    Class superclass = nullptr;
    bool isMetaClass = false;
    InstanceFactory factory = nullptr;
    std::unordered_map<SEL, objc_method*> methods;

    // Lookup cache: slot per selector index; `notFound` marks a cached miss.
    mutable std::vector<const objc_method*> cache;
    mutable uint64_t cacheEpoch = 0;
};

Class objc_getClass(const char* name);
Class objc_getMetaClass(const char* name);
Class objc_allocateClassPair(Class superclass, const char* name, size_t extraBytes);
void objc_registerClassPair(Class cls);
const char* class_getName(Class cls);
Class class_getSuperclass(Class cls);
bool class_isMetaClass(Class cls);
bool class_respondsToSelector(Class cls, SEL selector);
bool class_addMethod(Class cls, SEL name, IMP imp, const char* types);
IMP class_replaceMethod(Class cls, SEL name, IMP imp, const char* types);
Method class_getInstanceMethod(Class cls, SEL name);
Method class_getClassMethod(Class cls, SEL name);
IMP class_getMethodImplementation(Class cls, SEL name);
IMP method_getImplementation(Method method);
IMP method_setImplementation(Method method, IMP imp);
const char* method_getTypeEncoding(Method method);
id class_createInstance(Class cls, size_t extraBytes);

namespace runtime {

// Bumped whenever a method table changes; a class's cache is valid only for
// the epoch it was filled in.
extern uint64_t methodCacheEpoch;
const objc_method* lookupMethodSlow(Class cls, SEL selector);

// The method a message to an instance of `cls` runs, or null. A cached hit
// costs a compare and two loads; misses and stale caches take the slow path.
inline const objc_method* lookupMethod(Class cls, SEL selector)
{
    if (cls && selector && cls->cacheEpoch == methodCacheEpoch && selector->index < cls->cache.size()) {
        if (auto const* cached = cls->cache[selector->index]; cached && cached->imp)
            return cached;
    }
    return lookupMethodSlow(cls, selector);
}

// Registers a class whose instances are of C++ type `factory` makes.
Class defineClass(const char* name, Class superclass, InstanceFactory factory);

template <class T>
id makeInstance()
{
    return new T();
}

// Simulates a shell version without the named class: lookups by name give nil,
// while the platform's own references to the class keep working.
void hideClassName(const std::string& name);
void clearHiddenClassNames();
bool isClassNameHidden(const std::string& name);

// Called whenever a method table changes, so cached answers are dropped.
void invalidateMethodCaches();

// The platform's error reporter for runtime misuse (always on standard error).
void runtimeError(const std::string& message);
// How many runtime errors this process has reported, and the latest, so a
// long run can tell that one happened without reading standard error back.
uint64_t runtimeErrorCount();
std::string lastRuntimeError();
void resetRuntimeErrors();

}
