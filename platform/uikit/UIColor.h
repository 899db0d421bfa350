#pragma once
// Colours: red, green, blue and alpha, each nominally 0 to 1. Two colours are
// equal when their components are.

#include "coregraphics/CGGeometry.h"
#include "foundation/NSObject.h"

struct UIColor : NSObject {
    CGFloat red = 0;
    CGFloat green = 0;
    CGFloat blue = 0;
    CGFloat alpha = 1;

    // An autoreleased colour.
    static UIColor* make(CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha);
};

namespace uikit {
Class UIColorClass();
void registerUIColor();
}
