#pragma once
// Long presses: a finger held down, nearly still, for minimumPressDuration.
// The press begins from a run-loop timer while the finger is still down; it
// fails if the finger first moves more than kLongPressAllowableMovement from
// where it landed, lifts, or a second finger joins. Once it has begun every
// movement is a change and the lift ends it.
//
// Encodings: minimumPressDuration "d@:", setMinimumPressDuration: "v@:d"
// (seconds; a negative or non-finite duration is refused with a log line).

#include "UIGestureRecognizer.h"

#include "dispatch/RunLoop.h"

namespace uikit {

// Seconds, as on the phone; a shorter press is a tap.
inline constexpr double kLongPressDefaultDuration = 0.5;
// Points the finger may wander before the press begins.
inline constexpr CGFloat kLongPressAllowableMovement = 10;

}

struct UILongPressGestureRecognizer : UIGestureRecognizer {
    ~UILongPressGestureRecognizer() override;

    double minimumPressDuration = uikit::kLongPressDefaultDuration;
    CGPoint start;
    // The pending timer, or 0.
    dispatch::RunLoop::TimerId timer = 0;

    void began(UITouch* touch) override;
    void moved(UITouch* touch) override;
    void ended(UITouch* touch) override;
    void resetGesture() override;
    bool isContinuous() const override { return true; }

private:
    void pressHeld();
    void cancelTimer();
};

namespace uikit {
Class UILongPressGestureRecognizerClass();
void registerUILongPressGestureRecognizer();
}
