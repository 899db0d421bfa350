#include "UISwipeGestureRecognizer.h"
#include "UIPanGestureRecognizer.h"
#include "UITouch.h"

#include <cmath>

namespace {

Class g_UISwipeGestureRecognizer;

unsigned long direction(id self, SEL) { return static_cast<UISwipeGestureRecognizer*>(self)->direction; }
void setDirection(id self, SEL, unsigned long mask) { static_cast<UISwipeGestureRecognizer*>(self)->direction = mask; }

}

void UISwipeGestureRecognizer::began(UITouch* touch)
{
    if (touches.size() > 1) {
        setState(UIGestureRecognizerStateFailed);
        return;
    }
    start = touch->screenLocation;
    startTime = touch->timestamp;
}

void UISwipeGestureRecognizer::moved(UITouch* touch)
{
    CGFloat const dx = touch->screenLocation.x - start.x;
    CGFloat const dy = touch->screenLocation.y - start.y;
    bool const horizontal = std::fabs(dx) >= std::fabs(dy);
    CGFloat const along = horizontal ? std::fabs(dx) : std::fabs(dy);
    CGFloat const across = horizontal ? std::fabs(dy) : std::fabs(dx);
    if (along < uikit::kSwipeDecidingDistance)
        return;
    unsigned long const moving = horizontal
        ? (dx > 0 ? UISwipeGestureRecognizerDirectionRight : UISwipeGestureRecognizerDirectionLeft)
        : (dy > 0 ? UISwipeGestureRecognizerDirectionDown : UISwipeGestureRecognizerDirectionUp);
    double const elapsed = touch->timestamp - startTime;
    // A finger that covers the distance between two events at one instant is as fast as can be.
    bool const fastEnough = elapsed <= 0 || along / elapsed >= uikit::kSwipeLeastSpeed;
    bool const swiped = (direction & moving) && across <= along * uikit::kSwipeLargestSlant && fastEnough;
    setState(swiped ? UIGestureRecognizerStateRecognized : UIGestureRecognizerStateFailed);
}

void UISwipeGestureRecognizer::ended(UITouch*)
{
    setState(UIGestureRecognizerStateFailed);
}

bool UISwipeGestureRecognizer::recognizesAlongside(const UIGestureRecognizer& other) const
{
    return dynamic_cast<const UIPanGestureRecognizer*>(&other) != nullptr;
}

namespace uikit {

Class UISwipeGestureRecognizerClass() { return g_UISwipeGestureRecognizer; }

void registerUISwipeGestureRecognizer()
{
    g_UISwipeGestureRecognizer = runtime::defineClass("UISwipeGestureRecognizer", UIGestureRecognizerClass(), runtime::makeInstance<UISwipeGestureRecognizer>);
    addMethod(g_UISwipeGestureRecognizer, "direction"_sel, direction);
    addMethod(g_UISwipeGestureRecognizer, "setDirection:"_sel, setDirection);
}

}
