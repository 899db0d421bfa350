#pragma once
// The object runtime's basic types, named as on the phone so that code built on
// the platform reads like code written for it.

#include <cstdint>

struct objc_object;
struct objc_class;
struct objc_selector;
struct objc_method;

using id = objc_object*;
using Class = objc_class*;
using SEL = const objc_selector*;
using Method = objc_method*;
using BOOL = bool;

// An implementation pointer as the runtime stores it. Callers convert it back to
// the exact function type it was created from before calling it.
using IMP = void (*)();

inline constexpr std::nullptr_t nil = nullptr;
inline constexpr bool YES = true;
inline constexpr bool NO = false;
