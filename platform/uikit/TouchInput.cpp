#include "TouchInput.h"

#include "foundation/SystemLog.h"

#include <algorithm>
#include <cmath>

namespace uikit {

namespace {

void logRefusal(const char* what, const std::string& why)
{
    systemlog::write(kCFLogLevelError, std::string("uikit::TouchInput::") + what + ": " + why);
}

template <class T>
Strong<T> makeObject(Class cls)
{
    return adopt(static_cast<T*>(send<id>(send<id>(cls, "alloc"_sel), "init"_sel)));
}

}

TouchInput& TouchInput::shared()
{
    static auto* input = new TouchInput;
    return *input;
}

UIView* TouchInput::touchBegan(CGPoint screenPoint, double timestamp, Finger finger)
{
    if (!accepts(screenPoint, timestamp, "touchBegan"))
        return nullptr;
    if (m_touches.contains(finger)) {
        logRefusal("touchBegan", "finger " + std::to_string(finger) + " landed again before it lifted; its old touch is cancelled");
        finish(finger, UITouchPhaseCancelled, timestamp);
    }
    if (!m_event)
        m_event = makeObject<UIEvent>(UIEventClass());
    m_event->timestamp = timestamp;

    Record record;
    UIWindow* window = nullptr;
    UIView* hit = hitTest(screenPoint, window);
    record.unclaimed = !hit && m_unclaimedSink;
    if (hit || record.unclaimed) {
        record.touch = makeObject<UITouch>(UITouchClass());
        UITouch* touch = record.touch;
        touch->timestamp = timestamp;
        touch->finger = finger;
        touch->screenLocation = touch->previousScreenLocation = screenPoint;
        touch->view = hit;
        touch->window = window;
        for (UIView* view = hit; view && !record.sinkView; view = view->superview) {
            if (view->touchSink)
                record.sinkView = view;
        }
        // Fixed now: recognizers added later, or enabled later, do not join.
        for (UIView* view = hit; view && !record.sinkView; view = view->superview) {
            for (auto const& recognizer : view->gestureRecognizers) {
                if (recognizer->enabled)
                    touch->gestureRecognizers.push_back(recognizer);
            }
        }
    }
    m_touches[finger] = record;
    deliver(record, UITouchPhaseBegan);
    return hit;
}

void TouchInput::touchMoved(CGPoint screenPoint, double timestamp, Finger finger)
{
    if (!accepts(screenPoint, timestamp, "touchMoved"))
        return;
    Record* found = find(finger, "touchMoved");
    if (!found || !found->touch || found->touch->screenLocation == screenPoint)
        return;
    Record const record = *found;
    UITouch* touch = record.touch;
    touch->previousScreenLocation = touch->screenLocation;
    touch->screenLocation = screenPoint;
    touch->timestamp = std::max(timestamp, touch->timestamp);
    if (m_event)
        m_event->timestamp = touch->timestamp;
    deliver(record, UITouchPhaseMoved);
}

void TouchInput::touchEnded(CGPoint screenPoint, double timestamp, Finger finger)
{
    if (!accepts(screenPoint, timestamp, "touchEnded") || !find(finger, "touchEnded"))
        return;
    touchMoved(screenPoint, timestamp, finger);
    finish(finger, UITouchPhaseEnded, timestamp);
}

void TouchInput::touchCancelled(double timestamp, Finger finger)
{
    if (!accepts({}, timestamp, "touchCancelled") || !find(finger, "touchCancelled"))
        return;
    finish(finger, UITouchPhaseCancelled, timestamp);
}

void TouchInput::cancelAllTouches(double timestamp)
{
    if (!accepts({}, timestamp, "cancelAllTouches"))
        return;
    std::vector<Finger> fingers;
    for (auto const& [finger, record] : m_touches)
        fingers.push_back(finger);
    for (Finger finger : fingers)
        finish(finger, UITouchPhaseCancelled, timestamp);
}

void TouchInput::reset()
{
    // Recognizers keep only raw pointers to their touches, so each touch is
    // cancelled before it is let go.
    while (!m_touches.empty()) {
        auto const& [finger, record] = *m_touches.begin();
        finish(finger, UITouchPhaseCancelled, record.touch ? record.touch->timestamp : 0);
    }
    m_event = nullptr;
    m_unclaimedSink = nullptr;
}

UIView* TouchInput::hitTest(CGPoint screenPoint, UIWindow*& window)
{
    // Held while asked: a replacement may hide or release windows meanwhile.
    std::vector<UIWindow*> const visible = visibleWindowsBackToFront();
    std::vector<Strong<UIWindow>> const windows(visible.begin(), visible.end());
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        std::optional<CGPoint> const local = convertFromSuperview(it->get(), screenPoint);
        if (!local)
            continue;
        id hit = send<id>(static_cast<id>(it->get()), "hitTest:withEvent:"_sel, *local, static_cast<id>(m_event.get()));
        if (!hit)
            continue;
        if (!foundation::isKindOf(hit, UIViewClass())) {
            logRefusal("touchBegan", std::string("hitTest:withEvent: gave an object of class ") + class_getName(hit->isa) + ", not a view; the window is passed over");
            continue;
        }
        window = it->get();
        return static_cast<UIView*>(hit);
    }
    return nullptr;
}

void TouchInput::deliver(Record const& record, long phase)
{
    UITouch* touch = record.touch;
    if (!touch)
        return;
    touch->phase = phase;
    if (record.unclaimed) {
        std::function<void(UITouch*)> const sink = m_unclaimedSink;
        if (sink)
            sink(touch);
        return;
    }
    if (record.sinkView) {
        // A copy: the sink may replace itself while it runs.
        std::function<void(UITouch*)> const sink = record.sinkView->touchSink;
        if (sink)
            sink(touch);
        return;
    }
    // Held while told: an action may take recognizers off their views.
    std::vector<Strong<UIGestureRecognizer>> const recognizers = touch->gestureRecognizers;
    if (phase == UITouchPhaseBegan) {
        for (auto const& recognizer : recognizers)
            recognizer->watch(touch);
    }
    for (auto const& recognizer : recognizers)
        recognizer->hear(touch);
    if (phase != UITouchPhaseEnded && phase != UITouchPhaseCancelled)
        return;
    for (auto const& recognizer : recognizers)
        recognizer->forgetTouch(touch);
    touch->gestureRecognizers.clear();
}

void TouchInput::finish(Finger finger, long phase, double timestamp)
{
    auto it = m_touches.find(finger);
    if (it == m_touches.end())
        return;
    // Out of the table first, so an action may land the same finger again.
    Record const record = std::move(it->second);
    m_touches.erase(it);
    if (!record.touch)
        return;
    record.touch->timestamp = std::max(timestamp, record.touch->timestamp);
    if (m_event)
        m_event->timestamp = record.touch->timestamp;
    deliver(record, phase);
}

bool TouchInput::accepts(CGPoint screenPoint, double timestamp, const char* what) const
{
    if (std::isfinite(screenPoint.x) && std::isfinite(screenPoint.y) && std::isfinite(timestamp))
        return true;
    logRefusal(what, "refused a point or timestamp that is not a finite number");
    return false;
}

TouchInput::Record* TouchInput::find(Finger finger, const char* what)
{
    auto it = m_touches.find(finger);
    if (it != m_touches.end())
        return &it->second;
    logRefusal(what, "finger " + std::to_string(finger) + " is not down; the event is dropped");
    return nullptr;
}

}
