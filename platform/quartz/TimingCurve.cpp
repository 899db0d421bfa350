#include "TimingCurve.h"

#include <cmath>

namespace {

// One coordinate of the cubic Bézier from 0 to 1 with inner control values
// `first` and `second`, at parameter t.
double bezier(double first, double second, double t)
{
    double const u = 1 - t;
    return 3 * u * u * t * first + 3 * u * t * t * second + t * t * t;
}

double bezierSlope(double first, double second, double t)
{
    double const u = 1 - t;
    return 3 * u * u * first + 6 * u * t * (second - first) + 3 * t * t * (1 - second);
}

// The parameter at which the curve's x reaches `x`: Newton's method from x
// itself, with bisection where the slope is too flat to trust. x grows
// monotonically with t (control x values within 0 to 1), so the answer is
// unique.
double parameterForX(const quartz::TimingCurve& curve, double x)
{
    constexpr double kTolerance = 1e-12;
    double t = x;
    for (int step = 0; step < 8; ++step) {
        double const error = bezier(curve.x1, curve.x2, t) - x;
        if (std::fabs(error) < kTolerance)
            return t;
        double const slope = bezierSlope(curve.x1, curve.x2, t);
        if (std::fabs(slope) < 1e-6)
            break;
        t -= error / slope;
    }
    double low = 0, high = 1;
    t = x;
    for (int step = 0; step < 64; ++step) {
        double const value = bezier(curve.x1, curve.x2, t);
        if (std::fabs(value - x) < kTolerance)
            return t;
        if (value < x)
            low = t;
        else
            high = t;
        t = (low + high) / 2;
    }
    return t;
}

}

namespace quartz {

double timingCurveValue(const TimingCurve& curve, double progress)
{
    if (!(progress > 0))
        return 0;
    if (progress >= 1)
        return 1;
    // The straight line needs no solving, and stays exact.
    if (curve.x1 == curve.y1 && curve.x2 == curve.y2)
        return progress;
    return bezier(curve.y1, curve.y2, parameterForX(curve, progress));
}

}
