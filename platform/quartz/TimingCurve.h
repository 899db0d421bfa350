#pragma once
// Timing curves: cubic Béziers from (0, 0) to (1, 1) through two control
// points, as Core Animation's media timing functions and UIKit's animation
// curves are.

namespace quartz {

struct TimingCurve {
    double x1 = 0;
    double y1 = 0;
    double x2 = 1;
    double y2 = 1;
};

inline constexpr TimingCurve kLinearCurve { 0, 0, 1, 1 };
inline constexpr TimingCurve kEaseInEaseOutCurve { 0.42, 0, 0.58, 1 };

// The share of the change shown at `progress` (the share of the duration
// elapsed); both run from 0 to 1, and values outside are clamped.
double timingCurveValue(const TimingCurve& curve, double progress);

}
