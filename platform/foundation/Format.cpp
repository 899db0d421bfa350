#include "Format.h"
#include "NSString.h"

#include <cstdio>

namespace foundation {

std::string_view formatText(NSString* format)
{
    return format ? std::string_view(format->value) : std::string_view();
}

namespace {

// Appends one conversion, given the printf flags/width/precision in `directive`
// (without length modifiers) and its conversion character.
void appendConversion(std::string& out, std::string directive, char conversion, const FormatArgument* argument)
{
    if (!argument) {
        out += "(missing)";
        return;
    }
    char buffer[1200];
    auto print = [&](auto value) {
        int n = std::snprintf(buffer, sizeof buffer, directive.c_str(), value);
        if (n > 0)
            out.append(buffer, std::min<size_t>(static_cast<size_t>(n), sizeof buffer - 1));
    };
    using Kind = FormatArgument::Kind;
    switch (conversion) {
    case '@': {
        std::string text = argument->kind == Kind::Object ? describe(argument->object) : "(not an object)";
        directive += 's';
        if (directive == "%s")
            out += text;
        else
            print(text.c_str());
        return;
    }
    case 'd':
    case 'i':
    case 'c':
        directive += conversion == 'c' ? "c" : "lld";
        if (argument->kind == Kind::Signed)
            print(conversion == 'c' ? static_cast<long long>(static_cast<int>(argument->signedValue)) : argument->signedValue);
        else if (argument->kind == Kind::Unsigned)
            print(static_cast<long long>(argument->unsignedValue));
        else if (argument->kind == Kind::Real)
            print(static_cast<long long>(argument->real));
        else
            out += "(not a number)";
        return;
    case 'u':
    case 'x':
    case 'X':
    case 'o':
        directive += std::string("ll") + conversion;
        if (argument->kind == Kind::Unsigned)
            print(argument->unsignedValue);
        else if (argument->kind == Kind::Signed)
            print(static_cast<unsigned long long>(argument->signedValue));
        else
            out += "(not a number)";
        return;
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
        directive += conversion;
        if (argument->kind == Kind::Real)
            print(argument->real);
        else if (argument->kind == Kind::Signed)
            print(static_cast<double>(argument->signedValue));
        else if (argument->kind == Kind::Unsigned)
            print(static_cast<double>(argument->unsignedValue));
        else
            out += "(not a number)";
        return;
    case 's':
        directive += 's';
        if (argument->kind != Kind::CString)
            out += "(not a C string)";
        else
            print(argument->cString ? argument->cString : "(null)");
        return;
    case 'p':
        directive += 'p';
        if (argument->kind == Kind::Object)
            print(static_cast<const void*>(argument->object));
        else if (argument->kind == Kind::Pointer)
            print(argument->pointer);
        else if (argument->kind == Kind::CString)
            print(static_cast<const void*>(argument->cString));
        else
            out += "(not a pointer)";
        return;
    default:
        out += directive;
        out += conversion;
    }
}

}

std::string formatString(std::string_view format, std::span<const FormatArgument> arguments)
{
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        std::string directive = "%";
        size_t j = i + 1;
        while (j < format.size() && std::string_view("-+ #0").find(format[j]) != std::string_view::npos)
            directive += format[j++];
        // Widths and precisions are capped so one conversion cannot grow the line.
        auto readNumber = [&] {
            std::string digits;
            while (j < format.size() && format[j] >= '0' && format[j] <= '9' && digits.size() < 3)
                digits += format[j++];
            while (j < format.size() && format[j] >= '0' && format[j] <= '9')
                ++j;
            directive += digits;
        };
        readNumber();
        if (j < format.size() && format[j] == '.') {
            directive += format[j++];
            readNumber();
        }
        while (j < format.size() && std::string_view("hlqLzjt").find(format[j]) != std::string_view::npos)
            ++j;
        if (j >= format.size()) {
            out += format.substr(i);
            break;
        }
        char conversion = format[j];
        appendConversion(out, directive, conversion, next < arguments.size() ? &arguments[next] : nullptr);
        ++next;
        i = j;
    }
    return out;
}

}
