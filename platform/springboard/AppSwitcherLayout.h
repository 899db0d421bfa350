#pragma once
// Where the switcher's cards go: a grid, in the order given, centred on the
// screen, with each card the screen scaled down (never past half its size)
// and room above it for the card's name.

#include "coregraphics/CGGeometry.h"

#include <vector>

namespace springboard {

inline constexpr double kSwitcherNameHeight = 18;

// The frames of `count` cards on a screen of `screen` points.
std::vector<CGRect> switcherCardFrames(CGSize screen, size_t count);

}
