#pragma once
// Values boxed as objects: rectangles, as UIKit boxes the keyboard's frames
// in a notification's user info.
//
// Encodings: valueWithCGRect: "@@:{CGRect={CGPoint=dd}{CGSize=dd}}" (class),
// CGRectValue "{CGRect={CGPoint=dd}{CGSize=dd}}@:".

#include "NSObject.h"

#include "coregraphics/CGGeometry.h"

#include <string>

struct NSValue : NSObject {
    CGRect rect;

    // An autoreleased value holding `rect`.
    static NSValue* valueWithCGRect(CGRect rect);
};

namespace foundation {
Class NSValueClass();
// "{{x, y}, {width, height}}", as NSStringFromCGRect writes it.
std::string describeRect(CGRect rect);
}
