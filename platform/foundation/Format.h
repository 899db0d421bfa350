#pragma once
// String formatting as Foundation does it, with the arguments' types known:
// "%@" prints an object's description ("(null)" for nil, 1 or 0 for a boolean
// number), "%s" of a null pointer prints "(null)", and an argument that does not
// fit its conversion is converted or printed as a placeholder, never read as
// the wrong type.

#include "NSObject.h"

#include <span>
#include <string>
#include <string_view>
#include <type_traits>

struct NSString;

namespace foundation {

struct FormatArgument {
    enum class Kind {
        Object,
        Signed,
        Unsigned,
        Real,
        CString,
        Pointer,
    };
    Kind kind;
    id object = nullptr;
    long long signedValue = 0;
    unsigned long long unsignedValue = 0;
    double real = 0;
    const char* cString = nullptr;
    const void* pointer = nullptr;

    template <class T>
    static FormatArgument from(T value)
    {
        FormatArgument argument { Kind::Pointer };
        if constexpr (std::is_same_v<T, std::nullptr_t>) {
            argument.kind = Kind::Object;
        } else if constexpr (std::is_pointer_v<T> && std::is_base_of_v<objc_object, std::remove_cv_t<std::remove_pointer_t<T>>>) {
            argument.kind = Kind::Object;
            argument.object = const_cast<id>(static_cast<const objc_object*>(value));
        } else if constexpr (std::is_same_v<T, const char*> || std::is_same_v<T, char*>) {
            argument.kind = Kind::CString;
            argument.cString = value;
        } else if constexpr (std::is_same_v<T, bool>) {
            argument.kind = Kind::Signed;
            argument.signedValue = value ? 1 : 0;
        } else if constexpr (std::is_integral_v<T> && std::is_signed_v<T>) {
            argument.kind = Kind::Signed;
            argument.signedValue = value;
        } else if constexpr (std::is_integral_v<T>) {
            argument.kind = Kind::Unsigned;
            argument.unsignedValue = value;
        } else if constexpr (std::is_floating_point_v<T>) {
            argument.kind = Kind::Real;
            argument.real = static_cast<double>(value);
        } else {
            static_assert(std::is_pointer_v<T>, "unsupported format argument type");
            argument.pointer = value;
        }
        return argument;
    }
};

std::string formatString(std::string_view format, std::span<const FormatArgument> arguments);

template <class... Args>
std::string format(std::string_view text, Args... args)
{
    FormatArgument const arguments[] = { FormatArgument::from(args)..., FormatArgument { FormatArgument::Kind::Pointer } };
    return formatString(text, std::span(arguments, sizeof...(Args)));
}

std::string_view formatText(NSString* format);
inline std::string_view formatText(const char* format) { return format ? format : ""; }

}
