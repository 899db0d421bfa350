#include "EaseInOutCurve.h"

#include "quartz/TimingCurve.h"

namespace uikit {

double easeInEaseOut(double progress)
{
    return quartz::timingCurveValue(quartz::kEaseInEaseOutCurve, progress);
}

}
