#pragma once
// Gesture recognizers: each watches the touches that land on its view or on
// the view's subviews, and tells its targets when it recognises its gesture.
// The base keeps the targets, the state and the touches; each subclass decides
// from the touches.
//
// States: possible 0, began 1, changed 2, ended 3 (also "recognized", for the
// discrete gestures), cancelled 4, failed 5. A continuous recognizer (pan, long
// press) sends its action at began, changed, ended and cancelled; a discrete
// one (tap, swipe) once, when it recognises. When every touch it watches has
// lifted, a recognizer is possible again.
//
// Recognition rules. A touch is watched by the enabled recognizers of the view
// it landed on and of that view's superviews, the nearest view's first, each
// view's in the order they were added. When one of them begins or recognises,
// the others still possible on its touches fail, so one touch makes one
// gesture: a tap on a view whose superview also has a tap recognizer fires
// once, and a pan that starts stops a pending tap or long press. The exception
// is a swipe and a pan, which may both recognise on one touch, as on the phone:
// the swipe fires when its speed and direction are met and the pan runs on.
//
// Actions are sent through the runtime with the recognizer as their one
// argument, so the target's method must have the encoding "v@:@"; a target
// that does not answer, or answers with another encoding, is skipped with one
// log line. Targets are held (the platform has no weak references).
//
// Encodings: initWithTarget:action: "@@:@:", addTarget:action: "v@:@:",
// state "q@:", view "@@:", enabled and isEnabled "B@:", setEnabled: "v@:B",
// locationInView: "{CGPoint=dd}@:@" (nil: the coordinates of the view's
// window), numberOfTouches "Q@:". Views: addGestureRecognizer: and
// removeGestureRecognizer: "v@:@", gestureRecognizers "@@:" (nil when none).

#include "coregraphics/CGGeometry.h"
#include "foundation/NSObject.h"

#include <vector>

struct UITouch;
struct UIView;

enum UIGestureRecognizerState : long {
    UIGestureRecognizerStatePossible = 0,
    UIGestureRecognizerStateBegan = 1,
    UIGestureRecognizerStateChanged = 2,
    UIGestureRecognizerStateEnded = 3,
    UIGestureRecognizerStateCancelled = 4,
    UIGestureRecognizerStateFailed = 5,
    UIGestureRecognizerStateRecognized = UIGestureRecognizerStateEnded,
};

struct UIGestureRecognizer : NSObject {
    struct Target {
        Strong<objc_object> object;
        SEL action = nullptr;
        // Set once the target has been refused, so a wrong target logs once.
        bool refused = false;
    };

    std::vector<Target> targets;
    long state = UIGestureRecognizerStatePossible;
    bool enabled = true;
    // Not retained: the view owns its recognizers and clears this when it goes.
    UIView* view = nullptr;
    // The touches watched, in the order they landed. Not retained: the touch
    // input holds each touch until every recognizer has been told it ended.
    std::vector<UITouch*> touches;
    // The centre of the touches at the last event, in screen points; kept when
    // they lift, so the last action can still ask where the gesture was.
    CGPoint lastLocation;

    // The touch input's side. A landing touch is first watched by every
    // recognizer of the touch, then each hears it; every later event of the
    // touch (its phase says which) is heard the same way. A touch no longer
    // watched (an action ended it meanwhile) is ignored.
    void watch(UITouch* touch);
    void hear(UITouch* touch);
    // After every recognizer of the touch has heard its end: forgets it, and
    // when no touch is left, cancels a gesture still running and is possible
    // again.
    void forgetTouch(UITouch* touch);

    // Stops the gesture from outside (disabled, taken off its view): cancelled
    // with an action when it had begun, failed when it was still possible.
    void abandon();

    // The centre of the touches in `inView`'s coordinates (nil: the window's).
    CGPoint location(UIView* inView) const;
    // The centre of the watched touches in screen points, leaving out `left`.
    CGPoint centroid(const UITouch* left = nullptr) const;

    // The subclasses' side. Each hook sees the event's touch in `touches`.
    virtual void began(UITouch*) { }
    virtual void moved(UITouch*) { }
    virtual void ended(UITouch*) { }
    // By default a cancelled touch stops the gesture.
    virtual void cancelled(UITouch*) { abandon(); }
    // Back to possible: forget everything about the last gesture.
    virtual void resetGesture() { }
    // Whether this recognizer may recognise on a touch where `other` has.
    virtual bool recognizesAlongside(const UIGestureRecognizer&) const { return false; }
    virtual bool isContinuous() const { return false; }

    // Moves to `newState`, fails the recognizers this one excludes when it
    // begins or recognises, and sends the actions that state calls for.
    void setState(long newState);
    // Ended, cancelled or failed: deaf to touches until it is possible again.
    bool isFinished() const;
    // Whether the subclass hears an event now; a gesture whose view went away
    // or that was disabled meanwhile is abandoned instead.
    bool takesEvents();

private:
    void sendActions();
    void failExcludedRecognizers();
};

namespace uikit {

Class UIGestureRecognizerClass();
void registerUIGestureRecognizer();
void registerUIViewGestureRecognizers(Class view);

}
