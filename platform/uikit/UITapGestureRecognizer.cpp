#include "UITapGestureRecognizer.h"
#include "UITouch.h"

#include <cmath>

namespace {
Class g_UITapGestureRecognizer;
}

void UITapGestureRecognizer::began(UITouch* touch)
{
    if (touches.size() > 1) {
        setState(UIGestureRecognizerStateFailed);
        return;
    }
    start = touch->screenLocation;
    startTime = touch->timestamp;
}

void UITapGestureRecognizer::moved(UITouch* touch)
{
    if (!isStillATap(touch))
        setState(UIGestureRecognizerStateFailed);
}

void UITapGestureRecognizer::ended(UITouch* touch)
{
    setState(isStillATap(touch) ? UIGestureRecognizerStateRecognized : UIGestureRecognizerStateFailed);
}

bool UITapGestureRecognizer::isStillATap(const UITouch* touch) const
{
    CGFloat const moved = std::hypot(touch->screenLocation.x - start.x, touch->screenLocation.y - start.y);
    return moved <= uikit::kTapLargestMovement && touch->timestamp - startTime <= uikit::kTapLongestDuration;
}

namespace uikit {

Class UITapGestureRecognizerClass() { return g_UITapGestureRecognizer; }

void registerUITapGestureRecognizer()
{
    g_UITapGestureRecognizer = runtime::defineClass("UITapGestureRecognizer", UIGestureRecognizerClass(), runtime::makeInstance<UITapGestureRecognizer>);
}

}
