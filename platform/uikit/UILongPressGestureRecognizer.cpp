#include "UILongPressGestureRecognizer.h"
#include "UITouch.h"

#include "foundation/SystemLog.h"

#include <algorithm>
#include <cmath>

namespace {

Class g_UILongPressGestureRecognizer;

UILongPressGestureRecognizer* asUILongPressGestureRecognizer(id self) { return static_cast<UILongPressGestureRecognizer*>(self); }

double minimumPressDuration(id self, SEL) { return asUILongPressGestureRecognizer(self)->minimumPressDuration; }

void setMinimumPressDuration(id self, SEL, double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0) {
        systemlog::write(kCFLogLevelError, "-[UILongPressGestureRecognizer setMinimumPressDuration:]: refused a duration that is not a finite number of seconds from 0 up");
        return;
    }
    asUILongPressGestureRecognizer(self)->minimumPressDuration = seconds;
}

}

UILongPressGestureRecognizer::~UILongPressGestureRecognizer()
{
    cancelTimer();
}

void UILongPressGestureRecognizer::began(UITouch* touch)
{
    if (touches.size() > 1) {
        if (state == UIGestureRecognizerStatePossible)
            setState(UIGestureRecognizerStateFailed);
        return;
    }
    start = touch->screenLocation;
    // Saturated, so an absurd duration waits for ever instead of overflowing.
    double const due = std::min((touch->timestamp + minimumPressDuration) * 1e9, 9e18);
    cancelTimer();
    timer = dispatch::RunLoop::main().scheduleAt(std::llround(due), [this] {
        timer = 0;
        pressHeld();
    });
}

void UILongPressGestureRecognizer::moved(UITouch* touch)
{
    if (state != UIGestureRecognizerStatePossible) {
        setState(UIGestureRecognizerStateChanged);
        return;
    }
    if (std::hypot(touch->screenLocation.x - start.x, touch->screenLocation.y - start.y) > uikit::kLongPressAllowableMovement)
        setState(UIGestureRecognizerStateFailed);
}

void UILongPressGestureRecognizer::ended(UITouch*)
{
    setState(state == UIGestureRecognizerStatePossible ? UIGestureRecognizerStateFailed : UIGestureRecognizerStateEnded);
}

void UILongPressGestureRecognizer::resetGesture()
{
    cancelTimer();
}

void UILongPressGestureRecognizer::pressHeld()
{
    Strong<UILongPressGestureRecognizer> keepAlive(this);
    if (state != UIGestureRecognizerStatePossible || touches.empty() || !takesEvents())
        return;
    setState(UIGestureRecognizerStateBegan);
}

void UILongPressGestureRecognizer::cancelTimer()
{
    if (!timer)
        return;
    dispatch::RunLoop::main().cancel(timer);
    timer = 0;
}

namespace uikit {

Class UILongPressGestureRecognizerClass() { return g_UILongPressGestureRecognizer; }

void registerUILongPressGestureRecognizer()
{
    g_UILongPressGestureRecognizer = runtime::defineClass("UILongPressGestureRecognizer", UIGestureRecognizerClass(), runtime::makeInstance<UILongPressGestureRecognizer>);
    addMethod(g_UILongPressGestureRecognizer, "minimumPressDuration"_sel, minimumPressDuration);
    addMethod(g_UILongPressGestureRecognizer, "setMinimumPressDuration:"_sel, setMinimumPressDuration);
}

}
