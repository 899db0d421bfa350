#include "ArgumentChecks.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace sim {

bool expectArgumentCount(const Arguments& arguments, size_t count, std::string_view usage, std::string* error)
{
    if (arguments.size() == count)
        return true;
    *error = (arguments.size() < count ? "too few arguments; usage: " : "too many arguments; usage: ") + std::string(usage);
    return false;
}

bool parseSeconds(std::string_view text, double* seconds, std::string* error)
{
    double value = 0;
    auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (status != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        *error = "\"" + std::string(text) + "\" is not a number of seconds";
        return false;
    }
    if (value < 0 || value > kMaximumWaitSeconds) {
        *error = "seconds must be between 0 and 1000000, not " + std::string(text);
        return false;
    }
    *seconds = value;
    return true;
}

namespace {

// Names, keys and string values travel as UTF-8 (property lists, bus messages).
bool isValidUtf8(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte == 0)
            return false;
        size_t length = byte < 0x80 ? 1 : (byte >> 5) == 0x6 ? 2
            : (byte >> 4) == 0xE                             ? 3
            : (byte >> 3) == 0x1E                            ? 4
                                                             : 0;
        if (length == 0 || i + length > text.size())
            return false;
        uint32_t point = length == 1 ? byte : byte & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            auto next = static_cast<unsigned char>(text[i + k]);
            if ((next >> 6) != 0x2)
                return false;
            point = (point << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode's range are not UTF-8.
        static constexpr uint32_t smallest[] = { 0, 0, 0x80, 0x800, 0x10000 };
        if (point < smallest[length] || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF)
            return false;
        i += length;
    }
    return true;
}

}

bool checkText(std::string_view what, std::string_view text, std::string* error, bool mayBeEmpty)
{
    if (text.empty() && !mayBeEmpty) {
        *error = std::string(what) + " is empty";
        return false;
    }
    if (!isValidUtf8(text)) {
        *error = std::string(what) + " is not UTF-8 text";
        return false;
    }
    return true;
}

}
