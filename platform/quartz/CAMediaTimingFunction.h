#pragma once
// How an animation's time maps onto its progress: a cubic Bézier named by
// one of Core Animation's names.
//
// Encodings: functionWithName: "@@:@" (class; nil, with a log line, for a
// name it does not know); getControlPointAtIndex:values: is not provided.

#include "TimingCurve.h"

#include "foundation/NSObject.h"

inline constexpr const char* kCAMediaTimingFunctionLinear = "linear";
inline constexpr const char* kCAMediaTimingFunctionEaseIn = "easeIn";
inline constexpr const char* kCAMediaTimingFunctionEaseOut = "easeOut";
inline constexpr const char* kCAMediaTimingFunctionEaseInEaseOut = "easeInEaseOut";
inline constexpr const char* kCAMediaTimingFunctionDefault = "default";

struct CAMediaTimingFunction : NSObject {
    quartz::TimingCurve curve;
};

namespace quartz {
Class CAMediaTimingFunctionClass();
void registerCAMediaTimingFunction();
}
