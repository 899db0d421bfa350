#pragma once
// The point a touch verb names: X and Y in screen points from the top left of
// the screen. Any finite point within a million points of the screen's corner
// is accepted; one off the screen simply touches nothing.

#include "coregraphics/CGGeometry.h"

#include <string>
#include <string_view>

namespace sim {

inline constexpr double kLargestCoordinate = 1'000'000;

// False with a reason naming the argument when either is not such a number.
bool parseScreenPoint(std::string_view x, std::string_view y, CGPoint* point, std::string* error);

}
