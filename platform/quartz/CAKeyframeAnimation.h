#pragma once
// A property animation through a list of values. Without key times the
// values are spread evenly over the duration; between two, the value moves
// in a straight line.
//
// Encodings: values, setValues:, keyTimes, setKeyTimes: "@" (arrays of
// numbers; key times from 0 to 1, one per value).

#include "CAPropertyAnimation.h"

#include "foundation/NSArray.h"

struct CAKeyframeAnimation : CAPropertyAnimation {
    Strong<NSArray> values;
    Strong<NSArray> keyTimes;
};

namespace quartz {
Class CAKeyframeAnimationClass();
void registerCAKeyframeAnimation();
}
