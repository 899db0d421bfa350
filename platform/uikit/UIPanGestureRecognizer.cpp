#include "UIPanGestureRecognizer.h"
#include "ScreenConversion.h"
#include "UISwipeGestureRecognizer.h"
#include "UITouch.h"

#include "foundation/SystemLog.h"

#include <algorithm>
#include <cmath>

namespace {

Class g_UIPanGestureRecognizer;

UIPanGestureRecognizer* asUIPanGestureRecognizer(id self) { return static_cast<UIPanGestureRecognizer*>(self); }

UIView* viewArgument(id view, const char* what)
{
    return static_cast<UIView*>(uikit::acceptOnly(view, uikit::UIViewClass(), what));
}

CGPoint translationInView(id self, SEL, id view)
{
    return asUIPanGestureRecognizer(self)->translation(viewArgument(view, "-[UIPanGestureRecognizer translationInView:]"));
}

void setTranslationInView(id self, SEL, CGPoint translation, id view)
{
    if (!std::isfinite(translation.x) || !std::isfinite(translation.y)) {
        systemlog::write(kCFLogLevelError, "-[UIPanGestureRecognizer setTranslation:inView:]: refused a translation that is not a finite point");
        return;
    }
    asUIPanGestureRecognizer(self)->setTranslation(translation, viewArgument(view, "-[UIPanGestureRecognizer setTranslation:inView:]"));
}

CGPoint velocityInView(id self, SEL, id view)
{
    return asUIPanGestureRecognizer(self)->velocityIn(viewArgument(view, "-[UIPanGestureRecognizer velocityInView:]"));
}

unsigned long minimumNumberOfTouches(id self, SEL) { return asUIPanGestureRecognizer(self)->minimumNumberOfTouches; }
void setMinimumNumberOfTouches(id self, SEL, unsigned long count) { asUIPanGestureRecognizer(self)->minimumNumberOfTouches = count; }
unsigned long maximumNumberOfTouches(id self, SEL) { return asUIPanGestureRecognizer(self)->maximumNumberOfTouches; }
void setMaximumNumberOfTouches(id self, SEL, unsigned long count) { asUIPanGestureRecognizer(self)->maximumNumberOfTouches = count; }

CGPoint minus(CGPoint a, CGPoint b) { return { a.x - b.x, a.y - b.y }; }
CGPoint plus(CGPoint a, CGPoint b) { return { a.x + b.x, a.y + b.y }; }

}

void UIPanGestureRecognizer::began(UITouch* touch)
{
    if (touches.size() == 1) {
        start = current = touch->screenLocation;
        velocity = {};
        samples = { { touch->timestamp, current } };
    } else {
        moveCentreTo(centroid());
    }
    if (state == UIGestureRecognizerStatePossible && touches.size() > maximumNumberOfTouches)
        setState(UIGestureRecognizerStateFailed);
}

void UIPanGestureRecognizer::moved(UITouch* touch)
{
    current = centroid();
    addSample(touch->timestamp);
    if (state != UIGestureRecognizerStatePossible) {
        setState(UIGestureRecognizerStateChanged);
        return;
    }
    CGPoint const moved = minus(current, start);
    if (hasStartingTouchCount() && std::hypot(moved.x, moved.y) >= uikit::kPanStartDistance)
        setState(UIGestureRecognizerStateBegan);
}

void UIPanGestureRecognizer::ended(UITouch* touch)
{
    // The lifting finger is still counted at its last place: a finger that
    // stood still before lifting lifts with no velocity.
    current = centroid();
    addSample(touch->timestamp);
    size_t const remaining = touches.size() - 1;
    if (state != UIGestureRecognizerStatePossible && remaining < std::max<unsigned long>(minimumNumberOfTouches, 1)) {
        setState(UIGestureRecognizerStateEnded);
        return;
    }
    if (remaining)
        moveCentreTo(centroid(touch));
}

void UIPanGestureRecognizer::resetGesture()
{
    start = current = velocity = {};
    samples.clear();
}

bool UIPanGestureRecognizer::recognizesAlongside(const UIGestureRecognizer& other) const
{
    return dynamic_cast<const UISwipeGestureRecognizer*>(&other) != nullptr;
}

CGPoint UIPanGestureRecognizer::translation(UIView* inView) const
{
    UIView* space = inView ? inView : uikit::rootView(view);
    std::optional<CGPoint> const from = uikit::convertFromScreen(space, start);
    std::optional<CGPoint> const to = uikit::convertFromScreen(space, current);
    if (!from || !to)
        return {};
    return minus(*to, *from);
}

void UIPanGestureRecognizer::setTranslation(CGPoint translation, UIView* inView)
{
    UIView* space = inView ? inView : uikit::rootView(view);
    std::optional<CGPoint> const now = uikit::convertFromScreen(space, current);
    if (!now)
        return;
    start = uikit::convertToScreen(space, minus(*now, translation));
}

CGPoint UIPanGestureRecognizer::velocityIn(UIView* inView) const
{
    return uikit::convertVectorFromScreen(inView ? inView : uikit::rootView(view), current, velocity);
}

void UIPanGestureRecognizer::addSample(double time)
{
    samples.push_back({ time, current });
    // Keep one sample at or before the span as the anchor, and the ones after it.
    double const anchorTime = time - uikit::kPanVelocitySpan;
    while (samples.size() > 2 && samples[1].time <= anchorTime)
        samples.erase(samples.begin());
    Sample const& first = samples.front();
    double const elapsed = time - first.time;
    if (!(elapsed > 0)) {
        velocity = {};
        return;
    }
    velocity = { (current.x - first.point.x) / elapsed, (current.y - first.point.y) / elapsed };
}

void UIPanGestureRecognizer::moveCentreTo(CGPoint centre)
{
    CGPoint const shift = minus(centre, current);
    start = plus(start, shift);
    current = centre;
    for (Sample& sample : samples)
        sample.point = plus(sample.point, shift);
}

bool UIPanGestureRecognizer::hasStartingTouchCount() const
{
    return touches.size() >= minimumNumberOfTouches && touches.size() <= maximumNumberOfTouches;
}

namespace uikit {

Class UIPanGestureRecognizerClass() { return g_UIPanGestureRecognizer; }

void registerUIPanGestureRecognizer()
{
    g_UIPanGestureRecognizer = runtime::defineClass("UIPanGestureRecognizer", UIGestureRecognizerClass(), runtime::makeInstance<UIPanGestureRecognizer>);
    addMethod(g_UIPanGestureRecognizer, "translationInView:"_sel, translationInView);
    addMethod(g_UIPanGestureRecognizer, "setTranslation:inView:"_sel, setTranslationInView);
    addMethod(g_UIPanGestureRecognizer, "velocityInView:"_sel, velocityInView);
    addMethod(g_UIPanGestureRecognizer, "minimumNumberOfTouches"_sel, minimumNumberOfTouches);
    addMethod(g_UIPanGestureRecognizer, "setMinimumNumberOfTouches:"_sel, setMinimumNumberOfTouches);
    addMethod(g_UIPanGestureRecognizer, "maximumNumberOfTouches"_sel, maximumNumberOfTouches);
    addMethod(g_UIPanGestureRecognizer, "setMaximumNumberOfTouches:"_sel, setMaximumNumberOfTouches);
}

}
