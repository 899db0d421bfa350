#pragma once
// The base of Core Animation's animations: how long one runs, its timing
// function and whether the layer drops it when it ends.
//
// Encodings: animation "@@:" (class); duration, setDuration: "d" (0, the
// default, runs 0.25 s); timingFunction, setTimingFunction: "@" (nil:
// linear); removedOnCompletion, setRemovedOnCompletion: "B" (default true).

#include "CAMediaTimingFunction.h"

#include "foundation/NSObject.h"

struct CAAnimation : NSObject {
    double duration = 0;
    Strong<CAMediaTimingFunction> timingFunction;
    bool removedOnCompletion = true;
};

namespace quartz {

// The duration an animation runs when none is set.
inline constexpr double kDefaultAnimationSeconds = 0.25;

Class CAAnimationClass();
void registerCAAnimation();

}
