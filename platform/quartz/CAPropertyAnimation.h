#pragma once
// An animation of one property of a layer, named by its key path
// ("transform.translation.y").
//
// Encodings: animationWithKeyPath: "@@:@" (class); keyPath, setKeyPath: "@".

#include "CAAnimation.h"

#include "foundation/NSString.h"

struct CAPropertyAnimation : CAAnimation {
    Strong<NSString> keyPath;
};

namespace quartz {
Class CAPropertyAnimationClass();
void registerCAPropertyAnimation();
}
