#pragma once
// What a layer runs of a keyframe animation: a copy taken when the animation
// is added, so later changes to the animation object do not reach the layer,
// as on the phone.

#include "CAKeyframeAnimation.h"
#include "TimingCurve.h"

#include <optional>
#include <string>
#include <vector>

namespace quartz {

struct KeyframeTrack {
    std::string keyPath;
    std::vector<double> values;
    // One a value, from 0 to 1, never decreasing.
    std::vector<double> keyTimes;
    double seconds = kDefaultAnimationSeconds;
    TimingCurve curve = kLinearCurve;
    bool removedOnCompletion = true;

    // The value shown `elapsed` seconds after the start (the last value from
    // the end on).
    double valueAt(double elapsed) const;
};

// The track of `animation`; nullopt, with the reason, when it cannot run (no
// key path, no values, a value that is not a number). Key times that do not
// fit the values are left out, with a log line, and the values spread evenly.
std::optional<KeyframeTrack> makeKeyframeTrack(CAKeyframeAnimation* animation, std::string* problem);

}
