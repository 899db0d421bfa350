#include "ScreenPointArgument.h"

#include <charconv>
#include <cmath>

namespace sim {

namespace {

bool parseCoordinate(std::string_view name, std::string_view text, CGFloat* coordinate, std::string* error)
{
    double value = 0;
    auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || status != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        *error = std::string(name) + " \"" + std::string(text) + "\" is not a number of points";
        return false;
    }
    if (std::fabs(value) > kLargestCoordinate) {
        *error = std::string(name) + " must be between -1000000 and 1000000, not " + std::string(text);
        return false;
    }
    *coordinate = value;
    return true;
}

}

bool parseScreenPoint(std::string_view x, std::string_view y, CGPoint* point, std::string* error)
{
    return parseCoordinate("X", x, &point->x, error) && parseCoordinate("Y", y, &point->y, error);
}

}
