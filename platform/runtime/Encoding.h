#pragma once
// Type encodings ("v@:B") derived from C++ types, so that a typed message send can
// be checked against the encoding the method was registered with.

#include "Object.h"

#include <cstdint>
#include <string>
#include <type_traits>

namespace runtime {

// Object pointers of every class travel as `id`; methods are stored and called
// through this one canonical type per signature.
template <class T>
struct Canonical {
    using Type = T;
};
// clang-format off
template <class T>
    requires(std::is_base_of_v<objc_object, T>)
struct Canonical<T*> {
    using Type = id;
};
// clang-format on
template <>
struct Canonical<std::nullptr_t> {
    using Type = id;
};
template <class T>
using CanonicalType = typename Canonical<std::remove_cvref_t<T>>::Type;

// Struct types give their encoding by specialising this trait.
template <class T>
struct Encoding;

// clang-format off
template <> struct Encoding<void> { static std::string get() { return "v"; } };
template <> struct Encoding<id> { static std::string get() { return "@"; } };
template <> struct Encoding<SEL> { static std::string get() { return ":"; } };
template <> struct Encoding<bool> { static std::string get() { return "B"; } };
template <> struct Encoding<char> { static std::string get() { return "c"; } };
template <> struct Encoding<signed char> { static std::string get() { return "c"; } };
template <> struct Encoding<unsigned char> { static std::string get() { return "C"; } };
template <> struct Encoding<short> { static std::string get() { return "s"; } };
template <> struct Encoding<unsigned short> { static std::string get() { return "S"; } };
template <> struct Encoding<int> { static std::string get() { return "i"; } };
template <> struct Encoding<unsigned int> { static std::string get() { return "I"; } };
template <> struct Encoding<long> { static std::string get() { return "q"; } };
template <> struct Encoding<unsigned long> { static std::string get() { return "Q"; } };
template <> struct Encoding<long long> { static std::string get() { return "q"; } };
template <> struct Encoding<unsigned long long> { static std::string get() { return "Q"; } };
template <> struct Encoding<float> { static std::string get() { return "f"; } };
template <> struct Encoding<double> { static std::string get() { return "d"; } };
template <> struct Encoding<const char*> { static std::string get() { return "*"; } };
template <> struct Encoding<void*> { static std::string get() { return "^v"; } };
template <> struct Encoding<const id*> { static std::string get() { return "^@"; } };
template <> struct Encoding<double*> { static std::string get() { return "^d"; } };
// clang-format on

template <class R, class... Args>
std::string methodEncoding()
{
    std::string encoding = Encoding<R>::get() + "@:";
    ((encoding += Encoding<Args>::get()), ...);
    return encoding;
}

// Encodings are interned to small integers, so a send compares one integer.
uint32_t internEncoding(const std::string& encoding);
const char* encodingString(uint32_t encodingId);

// Interned on first use (a library's initialisers may send before its static
// initialisers have run, so no namespace-scope variable is used).
template <class R, class... Args>
[[gnu::always_inline]] inline uint32_t methodEncodingId()
{
    static uint32_t const encodingId = internEncoding(methodEncoding<R, Args...>());
    return encodingId;
}

}
