#pragma once
// The platform's default animation curve, ease-in ease-out: the cubic Bézier
// through (0, 0), (0.42, 0), (0.58, 1), (1, 1), as on the phone.

namespace uikit {

// The share of the change shown at `progress` (the share of the duration
// elapsed); both run from 0 to 1, and values outside are clamped.
double easeInEaseOut(double progress);

}
