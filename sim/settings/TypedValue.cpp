#include "TypedValue.h"

#include "foundation/NSArray.h"
#include "foundation/NSData.h"
#include "foundation/NSDate.h"
#include "foundation/NSDictionary.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "foundation/PropertyList.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace settings {

namespace {

// Scanned by hand rather than with std::regex, which costs seconds of
// compile time per file for two tiny patterns.

// Takes the ASCII digits at the front of `text`; how many there were.
size_t takeDigits(std::string_view& text)
{
    size_t count = 0;
    while (count < text.size() && text[count] >= '0' && text[count] <= '9')
        ++count;
    text.remove_prefix(count);
    return count;
}

void takeSign(std::string_view& text)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
}

// [+-]?[0-9]+
bool looksLikeInteger(std::string_view text)
{
    takeSign(text);
    return takeDigits(text) > 0 && text.empty();
}

// [+-]?([0-9]+\.[0-9]*|\.[0-9]+|[0-9]+)([eE][+-]?[0-9]+)?
bool looksLikeReal(std::string_view text)
{
    takeSign(text);
    size_t digits = takeDigits(text);
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        digits += takeDigits(text);
    }
    if (digits == 0)
        return false;
    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
        text.remove_prefix(1);
        takeSign(text);
        if (takeDigits(text) == 0)
            return false;
    }
    return text.empty();
}

std::string_view withoutPlus(std::string_view text)
{
    if (text.starts_with('+'))
        text.remove_prefix(1);
    return text;
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        auto const byte = static_cast<unsigned char>(c);
        if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else if (byte < 0x20 || byte == 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            out += code;
        } else
            out += c;
    }
    return out;
}

std::string describeReal(double value)
{
    char text[64];
    auto [end, error] = std::to_chars(text, text + sizeof text, value);
    if (error != std::errc())
        return "nan";
    std::string out(text, end);
    if (std::isfinite(value) && out.find_first_of(".e") == std::string::npos)
        out += ".0";
    return out;
}

std::string describe(id value, bool nested)
{
    using foundation::isKindOf;
    if (!value)
        return "(null)";
    if (isKindOf(value, foundation::NSStringClass())) {
        auto const& text = static_cast<NSString*>(value)->value;
        return nested ? "\"" + escaped(text) + "\"" : escaped(text);
    }
    if (isKindOf(value, foundation::NSNumberClass())) {
        auto* number = static_cast<NSNumber*>(value);
        if (number->kind == NSNumber::Kind::Bool)
            return number->boolValue() ? "true" : "false";
        if (number->kind == NSNumber::Kind::Integer)
            return std::to_string(number->integer);
        return describeReal(number->real);
    }
    if (isKindOf(value, foundation::NSDataClass())) {
        std::string out = "<";
        char hex[3];
        for (uint8_t byte : static_cast<NSData*>(value)->bytes) {
            std::snprintf(hex, sizeof hex, "%02x", byte);
            out += hex;
        }
        return out + ">";
    }
    if (isKindOf(value, foundation::NSArrayClass())) {
        std::string out = "(";
        for (auto const& item : static_cast<NSArray*>(value)->items)
            out += (out.size() > 1 ? ", " : "") + describe(item, true);
        return out + ")";
    }
    if (isKindOf(value, foundation::NSDictionaryClass())) {
        std::string out = "{";
        for (auto const& [key, item] : static_cast<NSDictionary*>(value)->entries)
            out += (out.size() > 1 ? "; " : "") + describe(key, true) + " = " + describe(item, true);
        return out + "}";
    }
    return escaped(foundation::describe(value));
}

}

id parseTypedValue(std::string_view text, bool forceString, std::string* error)
{
    if (!foundation::isPropertyListText(text)) {
        *error = "the value is not valid UTF-8 text";
        return nullptr;
    }
    if (forceString)
        return NSString::make(text);
    if (text == "true" || text == "YES")
        return NSNumber::numberWithBool(true);
    if (text == "false" || text == "NO")
        return NSNumber::numberWithBool(false);
    if (looksLikeInteger(text)) {
        auto const digits = withoutPlus(text);
        long long value = 0;
        auto [end, result] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (result != std::errc() || end != digits.data() + digits.size()) {
            *error = "the integer " + std::string(text) + " does not fit 64 bits (use --string to store it as text)";
            return nullptr;
        }
        return NSNumber::numberWithInteger(value);
    }
    if (looksLikeReal(text)) {
        auto const digits = withoutPlus(text);
        double value = 0;
        auto [end, result] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (result != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value)) {
            *error = "the number " + std::string(text) + " is out of range (use --string to store it as text)";
            return nullptr;
        }
        return NSNumber::numberWithDouble(value);
    }
    return NSString::make(text);
}

std::string describeValue(id value)
{
    return describe(value, false);
}

}
