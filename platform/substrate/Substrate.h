#pragma once
// CydiaSubstrate's method replacement.

#include "runtime/Runtime.h"

// Replaces the instance method `selector` of `cls` with `replacement` and stores
// the implementation that was in place before in `*previous`. A method the class
// only inherits gets a method of its own on the class, and `*previous` is the
// inherited implementation. When no class in the chain has the method, a
// platform error is logged, nothing is installed and `*previous` is left null.
void MSHookMessageEx(Class cls, SEL selector, IMP replacement, IMP* previous);

// The typed form: the replacement's C++ type must match the method's encoding,
// and the slot keeps the exact function type for calling through.
template <class R, class... Args>
void MSHookMessageEx(Class cls, SEL selector, R (*replacement)(id, SEL, Args...), R (**previous)(id, SEL, Args...))
{
    static_assert(std::is_same_v<R, runtime::CanonicalType<R>> && (std::is_same_v<Args, runtime::CanonicalType<Args>> && ...),
        "replacements take and return id, not subclass pointers");
    if (previous)
        *previous = nullptr;
    if (!cls)
        return;
    Method method = class_getInstanceMethod(cls, selector);
    if (method && method->encodingId != runtime::methodEncodingId<R, Args...>()) {
        runtime::runtimeError(std::string("MS:Error: replacement for -[") + class_getName(cls) + " " + sel_getName(selector) + "] has types \"" + runtime::methodEncoding<R, Args...>() + "\", the method \"" + method_getTypeEncoding(method) + "\"; not replaced");
        return;
    }
    MSHookMessageEx(cls, selector, reinterpret_cast<IMP>(replacement), reinterpret_cast<IMP*>(previous));
}
