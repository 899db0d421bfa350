#pragma once
// The replacement a library installs on UIView's hitTest:withEvent:: windows
// refuse their own empty area, so a touch there reaches what lies below.

#include "foundation/NSObject.h"
#include "runtime/MessageSend.h"
#include "uikit/UIKit.h"

namespace uikittest {

inline id (*previousHitTest)(id, SEL, CGPoint, id);
inline int refuseWindowsOwnAreaCalls;

inline id refuseWindowsOwnArea(id self, SEL selector, CGPoint point, id event)
{
    ++refuseWindowsOwnAreaCalls;
    id result = callPrevious(previousHitTest, self, selector, point, event);
    return result == self && foundation::isKindOf(self, uikit::UIWindowClass()) ? nullptr : result;
}

}
