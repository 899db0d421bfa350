#pragma once
// The touch screen: the simulator reports each finger's landing, movements
// and lifting here, in screen points, with the run loop's clock (seconds) as
// the timestamp.
//
// A landing finger is hit-tested through the runtime: hitTest:withEvent: goes
// to each visible window from the front (UIWindow.h gives the order), with the
// point in the window's coordinates; a window whose test gives nil declines
// and the windows below are asked. The touch then goes, for all its events,
// to the recognizers of the view it landed on and of that view's superviews
// (UIGestureRecognizer.h says which recognizes); or, when that view or one of
// its superviews has a touch sink (UIView.h), to the nearest sink alone. A
// touch that every window declines lands on what the screen shows below the
// windows: it goes to the unclaimed-touch sink when one is set.
//
// Bad input (a point or time that is not finite, a finger reported moving
// that never landed) is refused with a log line; a finger that lands again
// before it lifted first has its old touch cancelled. Time never runs back for
// a touch: an earlier timestamp counts as its latest one.

#include "UIEvent.h"
#include "UITouch.h"

#include <functional>
#include <map>

namespace uikit {

class TouchInput {
public:
    // The mouse is finger 0.
    using Finger = long;

    static TouchInput& shared();

    // The view the touch landed on, or nil when every window declined it (its
    // events then go to the unclaimed-touch sink, or nowhere).
    UIView* touchBegan(CGPoint screenPoint, double timestamp, Finger finger = 0);
    // A finger that did not move is not reported to anyone.
    void touchMoved(CGPoint screenPoint, double timestamp, Finger finger = 0);
    // A lift away from the last reported point moves there first.
    void touchEnded(CGPoint screenPoint, double timestamp, Finger finger = 0);
    void touchCancelled(double timestamp, Finger finger = 0);
    void cancelAllTouches(double timestamp);

    size_t activeTouchCount() const { return m_touches.size(); }

    // Takes every event of the touches no window takes, with the touch's view
    // and window nil; empty: they are dropped quietly.
    void setUnclaimedTouchSink(std::function<void(UITouch*)> sink) { m_unclaimedSink = std::move(sink); }
    const std::function<void(UITouch*)>& unclaimedTouchSink() const { return m_unclaimedSink; }

    // Cancels every touch and forgets the unclaimed-touch sink; for tests.
    void reset();

private:
    TouchInput() = default;

    struct Record {
        // Nil when every window declined the touch.
        Strong<UITouch> touch;
        // The view whose sink takes the touch, or nil.
        Strong<UIView> sinkView;
        // No window took the touch: the unclaimed-touch sink has it.
        bool unclaimed = false;
    };

    // The view the touch lands on and the window that gave it, or nil.
    UIView* hitTest(CGPoint screenPoint, UIWindow*& window);
    void deliver(Record const& record, long phase);
    void finish(Finger finger, long phase, double timestamp);
    bool accepts(CGPoint screenPoint, double timestamp, const char* what) const;
    Record* find(Finger finger, const char* what);

    std::map<Finger, Record> m_touches;
    Strong<UIEvent> m_event;
    std::function<void(UITouch*)> m_unclaimedSink;
};

}
