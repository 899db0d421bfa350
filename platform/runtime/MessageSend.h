#pragma once
// Typed message sends through the method table.
//
//   send<id>(view, "superview"_sel);
//   send(view, "setHidden:"_sel, true);
//
// The call's C++ types give an encoding that must equal the method's; a mismatch
// is refused loudly (abort in debug builds) instead of calling through a wrongly
// typed pointer. A message to nil, or one nobody answers, returns zero.

#include "Class.h"
#include "Encoding.h"

#include <string>
#include <type_traits>

namespace runtime {

[[noreturn]] void abortOnMismatch(const std::string& message);
void reportUnansweredMessage(id receiver, SEL selector);
void reportEncodingMismatch(id receiver, SEL selector, uint32_t methodEncoding, uint32_t callEncoding);

template <class R>
R zeroValue()
{
    if constexpr (std::is_void_v<R>)
        return;
    else
        return R {};
}

template <class R, class... Args>
using CanonicalImp = CanonicalType<R> (*)(id, SEL, CanonicalType<Args>...);

// Calls `method` (found for `receiver`) after checking its encoding against
// the call's C++ types.
template <class R, class... Args>
[[gnu::always_inline]] inline R invokeMethod(const objc_method* method, id receiver, SEL selector, Args... args)
{
    using CR = CanonicalType<R>;
    if (!method) [[unlikely]] {
        reportUnansweredMessage(receiver, selector);
        return zeroValue<R>();
    }
    uint32_t const callEncoding = methodEncodingId<CR, CanonicalType<Args>...>();
    if (method->encodingId != callEncoding) [[unlikely]] {
        reportEncodingMismatch(receiver, selector, method->encodingId, callEncoding);
        return zeroValue<R>();
    }
    auto imp = reinterpret_cast<CanonicalImp<R, Args...>>(method->imp);
    if constexpr (std::is_void_v<R>)
        imp(receiver, selector, static_cast<CanonicalType<Args>>(args)...);
    else
        return static_cast<R>(imp(receiver, selector, static_cast<CanonicalType<Args>>(args)...));
}

}

// Inlined at every call site: a cached send is then a handful of loads and one
// indirect call, close to a virtual call.
template <class R = void, class... Args>
[[gnu::always_inline]] inline R send(id receiver, SEL selector, Args... args)
{
    if (!receiver)
        return runtime::zeroValue<R>();
    return runtime::invokeMethod<R>(runtime::lookupMethod(receiver->isa, selector), receiver, selector, args...);
}

// [super selector] in a method of `cls`: the superclass's implementation,
// checked like any send.
template <class R = void, class... Args>
R sendSuper(id receiver, Class cls, SEL selector, Args... args)
{
    if (!receiver || !cls || !cls->superclass)
        return runtime::zeroValue<R>();
    return runtime::invokeMethod<R>(runtime::lookupMethod(cls->superclass, selector), receiver, selector, args...);
}

// Class messages: a class is an object whose methods live in its metaclass.
template <class R = void, class... Args>
[[gnu::always_inline]] inline R send(Class receiver, SEL selector, Args... args)
{
    return send<R>(static_cast<id>(receiver), selector, args...);
}

// Registers a typed implementation; the encoding comes from its C++ type.
template <class R, class... Args>
bool addMethod(Class cls, SEL selector, R (*imp)(id, SEL, Args...))
{
    static_assert(std::is_same_v<R, runtime::CanonicalType<R>>, "methods return id, not a subclass pointer");
    static_assert((std::is_same_v<Args, runtime::CanonicalType<Args>> && ...), "methods take id, not subclass pointers");
    return class_addMethod(cls, selector, reinterpret_cast<IMP>(imp), runtime::methodEncoding<R, Args...>().c_str());
}

template <class R, class... Args>
bool addClassMethod(Class cls, SEL selector, R (*imp)(id, SEL, Args...))
{
    return cls && addMethod(cls->isa, selector, imp);
}

// Calls a previous implementation kept in a slot; an empty slot is never jumped
// through and yields zero.
template <class R = void, class... Args>
R callPrevious(R (*slot)(id, SEL, Args...), id receiver, SEL selector, Args... args)
{
    if (!slot)
        return runtime::zeroValue<R>();
    return slot(receiver, selector, args...);
}
