#include "ColorString.h"

#include <charconv>

namespace colorpicker {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<double> parseAlpha(std::string_view text)
{
    if (text.empty() || text == ".")
        return std::nullopt;
    size_t points = 0;
    for (char c : text) {
        if (c == '.') {
            ++points;
            continue;
        }
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    if (points > 1)
        return std::nullopt;
    double alpha = 0;
    auto const [end, error] = std::from_chars(text.data(), text.data() + text.size(), alpha, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (alpha < 0 || alpha > 1)
        return std::nullopt;
    return alpha;
}

std::optional<RGBA> parseHex(std::string_view digits)
{
    if (digits.size() != 3 && digits.size() != 6)
        return std::nullopt;
    int values[6] = {};
    for (size_t i = 0; i < digits.size(); ++i) {
        values[i] = hexDigit(digits[i]);
        if (values[i] < 0)
            return std::nullopt;
    }
    if (digits.size() == 3)
        return RGBA { values[0] * 17 / 255.0, values[1] * 17 / 255.0, values[2] * 17 / 255.0, 1 };
    return RGBA { (values[0] * 16 + values[1]) / 255.0, (values[2] * 16 + values[3]) / 255.0, (values[4] * 16 + values[5]) / 255.0, 1 };
}

}

std::optional<RGBA> parseColorString(std::string_view text)
{
    if (text.size() > kMaximumColorStringLength || text.empty() || text.front() != '#')
        return std::nullopt;
    text.remove_prefix(1);
    size_t const colon = text.find(':');
    std::optional<RGBA> color = parseHex(text.substr(0, colon));
    if (!color || colon == std::string_view::npos)
        return color;
    std::optional<double> const alpha = parseAlpha(text.substr(colon + 1));
    if (!alpha)
        return std::nullopt;
    color->alpha = *alpha;
    return color;
}

}
