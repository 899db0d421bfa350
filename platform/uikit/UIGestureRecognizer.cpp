#include "UIGestureRecognizer.h"
#include "ScreenConversion.h"
#include "UITouch.h"

#include "foundation/SystemLog.h"

#include <algorithm>

namespace {

Class g_UIGestureRecognizer;

UIGestureRecognizer* asUIGestureRecognizer(id self) { return static_cast<UIGestureRecognizer*>(self); }

bool isRunning(long state)
{
    return state == UIGestureRecognizerStateBegan || state == UIGestureRecognizerStateChanged;
}

bool watches(const UIGestureRecognizer* recognizer, const UITouch* touch)
{
    return std::find(recognizer->touches.begin(), recognizer->touches.end(), touch) != recognizer->touches.end();
}

void addTarget(id self, SEL, id target, SEL action)
{
    // The phone would look for a nil target along the responder chain; there
    // is none here, so such a target could never be reached.
    if (!target || !action) {
        systemlog::write(kCFLogLevelError, std::string("-[") + class_getName(self->isa) + " addTarget:action:]: refused a nil target or action");
        return;
    }
    asUIGestureRecognizer(self)->targets.push_back({ target, action, false });
}

id initWithTarget(id self, SEL, id target, SEL action)
{
    id initialised = send<id>(self, "init"_sel);
    send(initialised, "addTarget:action:"_sel, target, action);
    return initialised;
}

long recognizerState(id self, SEL) { return asUIGestureRecognizer(self)->state; }
id recognizerView(id self, SEL) { return asUIGestureRecognizer(self)->view; }
bool isEnabled(id self, SEL) { return asUIGestureRecognizer(self)->enabled; }

void setEnabled(id self, SEL, bool enabled)
{
    auto* recognizer = asUIGestureRecognizer(self);
    recognizer->enabled = enabled;
    if (!enabled)
        recognizer->abandon();
}

CGPoint recognizerLocationInView(id self, SEL, id view)
{
    auto* inView = static_cast<UIView*>(uikit::acceptOnly(view, uikit::UIViewClass(), "-[UIGestureRecognizer locationInView:]"));
    return asUIGestureRecognizer(self)->location(inView);
}

unsigned long numberOfTouches(id self, SEL) { return asUIGestureRecognizer(self)->touches.size(); }

}

void UIGestureRecognizer::watch(UITouch* touch)
{
    touches.push_back(touch);
}

void UIGestureRecognizer::hear(UITouch* touch)
{
    if (!watches(this, touch))
        return;
    lastLocation = centroid();
    if (!takesEvents())
        return;
    switch (touch->phase) {
    case UITouchPhaseBegan:
        began(touch);
        break;
    case UITouchPhaseMoved:
        moved(touch);
        break;
    case UITouchPhaseEnded:
        ended(touch);
        break;
    case UITouchPhaseCancelled:
        cancelled(touch);
        break;
    default:
        break;
    }
}

void UIGestureRecognizer::forgetTouch(UITouch* touch)
{
    std::erase(touches, touch);
    if (!touches.empty())
        return;
    // A gesture its subclass left running when the last touch went is
    // cancelled here, so the recognizer is never stuck.
    if (isRunning(state))
        setState(UIGestureRecognizerStateCancelled);
    state = UIGestureRecognizerStatePossible;
    resetGesture();
}

bool UIGestureRecognizer::takesEvents()
{
    if (isFinished())
        return false;
    if (!enabled || !view) {
        abandon();
        return false;
    }
    return true;
}

void UIGestureRecognizer::abandon()
{
    if (state == UIGestureRecognizerStatePossible && !touches.empty())
        setState(UIGestureRecognizerStateFailed);
    else if (isRunning(state))
        setState(UIGestureRecognizerStateCancelled);
}

bool UIGestureRecognizer::isFinished() const
{
    return state == UIGestureRecognizerStateEnded || state == UIGestureRecognizerStateCancelled || state == UIGestureRecognizerStateFailed;
}

CGPoint UIGestureRecognizer::location(UIView* inView) const
{
    UIView* space = inView ? inView : uikit::rootView(view);
    return uikit::convertFromScreen(space, lastLocation).value_or(CGPoint {});
}

CGPoint UIGestureRecognizer::centroid(const UITouch* left) const
{
    CGPoint sum;
    size_t count = 0;
    for (const UITouch* touch : touches) {
        if (touch == left)
            continue;
        sum.x += touch->screenLocation.x;
        sum.y += touch->screenLocation.y;
        ++count;
    }
    if (!count)
        return lastLocation;
    return { sum.x / static_cast<CGFloat>(count), sum.y / static_cast<CGFloat>(count) };
}

void UIGestureRecognizer::setState(long newState)
{
    Strong<UIGestureRecognizer> keepAlive(this);
    long const previous = state;
    state = newState;
    bool const decides = newState == UIGestureRecognizerStateBegan || newState == UIGestureRecognizerStateEnded;
    if (previous == UIGestureRecognizerStatePossible && decides)
        failExcludedRecognizers();
    bool const sends = isContinuous()
        ? newState >= UIGestureRecognizerStateBegan && newState <= UIGestureRecognizerStateCancelled
        : newState == UIGestureRecognizerStateEnded;
    if (sends)
        sendActions();
}

void UIGestureRecognizer::failExcludedRecognizers()
{
    std::vector<UITouch*> const watched = touches;
    for (UITouch* touch : watched) {
        std::vector<Strong<UIGestureRecognizer>> const others = touch->gestureRecognizers;
        for (auto const& other : others) {
            if (other.get() == this || other->state != UIGestureRecognizerStatePossible || !watches(other, touch))
                continue;
            if (recognizesAlongside(*other) || other->recognizesAlongside(*this))
                continue;
            other->setState(UIGestureRecognizerStateFailed);
        }
    }
}

void UIGestureRecognizer::sendActions()
{
    uint32_t const expected = runtime::methodEncodingId<void, id>();
    // By index, copying each entry: an action may add targets meanwhile.
    for (size_t i = 0; i < targets.size(); ++i) {
        Target const target = targets[i];
        auto const* method = runtime::lookupMethod(object_getClass(target.object), target.action);
        if (method && method->encodingId == expected) {
            send(target.object.get(), target.action, static_cast<id>(this));
            continue;
        }
        if (target.refused || i >= targets.size())
            continue;
        targets[i].refused = true;
        systemlog::write(kCFLogLevelError, std::string("-[") + class_getName(isa) + " sendAction]: " + class_getName(object_getClass(target.object)) + (method ? " answers " : " does not answer ") + sel_getName(target.action) + (method ? std::string(" with the encoding ") + runtime::encodingString(method->encodingId) + ", not v@:@" : std::string()) + "; the action is skipped");
    }
}

namespace uikit {

Class UIGestureRecognizerClass() { return g_UIGestureRecognizer; }

void registerUIGestureRecognizer()
{
    g_UIGestureRecognizer = runtime::defineClass("UIGestureRecognizer", foundation::NSObjectClass(), runtime::makeInstance<UIGestureRecognizer>);
    addMethod(g_UIGestureRecognizer, "initWithTarget:action:"_sel, initWithTarget);
    addMethod(g_UIGestureRecognizer, "addTarget:action:"_sel, addTarget);
    addMethod(g_UIGestureRecognizer, "state"_sel, recognizerState);
    addMethod(g_UIGestureRecognizer, "view"_sel, recognizerView);
    addMethod(g_UIGestureRecognizer, "enabled"_sel, isEnabled);
    addMethod(g_UIGestureRecognizer, "isEnabled"_sel, isEnabled);
    addMethod(g_UIGestureRecognizer, "setEnabled:"_sel, setEnabled);
    addMethod(g_UIGestureRecognizer, "locationInView:"_sel, recognizerLocationInView);
    addMethod(g_UIGestureRecognizer, "numberOfTouches"_sel, numberOfTouches);
}

}
