#pragma once
// Pans: fingers drag across the screen. The pan begins once the centre of its
// fingers is kPanStartDistance from where they landed, with at least
// minimumNumberOfTouches and at most maximumNumberOfTouches fingers down;
// every movement after that is a change, and it ends when fewer fingers than
// the minimum (at least one) remain. It fails when more fingers than the
// maximum are down before it began; fingers that join after it began move
// the centre with the others. A finger joining or lifting moves the centre
// without moving the translation.
//
// The translation is how far the centre has moved since the fingers landed,
// the slop before the start included, so a view that follows it stays under
// the finger. The velocity is the centre's movement over the last
// kPanVelocitySpan seconds of events (the newest event at or before that span
// and the latest one): a finger that stops before lifting lifts with none.
//
// Encodings: translationInView: and velocityInView: "{CGPoint=dd}@:@" (nil:
// the coordinates of the view's window), setTranslation:inView:
// "v@:{CGPoint=dd}@", minimumNumberOfTouches and maximumNumberOfTouches "Q@:",
// setMinimumNumberOfTouches: and setMaximumNumberOfTouches: "v@:Q".

#include "UIGestureRecognizer.h"

#include <climits>
#include <vector>

namespace uikit {

// Points the centre of the fingers moves before a pan starts (the same
// distance past which a touch is no longer a tap).
inline constexpr CGFloat kPanStartDistance = 10;
// Seconds of movement the velocity is measured over.
inline constexpr double kPanVelocitySpan = 0.1;

}

struct UIPanGestureRecognizer : UIGestureRecognizer {
    struct Sample {
        double time;
        CGPoint point;
    };

    unsigned long minimumNumberOfTouches = 1;
    unsigned long maximumNumberOfTouches = ULONG_MAX;
    // In screen points: where the translation counts from, and the centre now.
    CGPoint start;
    CGPoint current;
    // Screen points a second.
    CGPoint velocity;
    std::vector<Sample> samples;

    void began(UITouch* touch) override;
    void moved(UITouch* touch) override;
    void ended(UITouch* touch) override;
    void resetGesture() override;
    bool recognizesAlongside(const UIGestureRecognizer& other) const override;
    bool isContinuous() const override { return true; }

    CGPoint translation(UIView* inView) const;
    void setTranslation(CGPoint translation, UIView* inView);
    CGPoint velocityIn(UIView* inView) const;

private:
    void addSample(double time);
    // The centre jumps when a finger joins or lifts; the gesture does not.
    void moveCentreTo(CGPoint centre);
    bool hasStartingTouchCount() const;
};

namespace uikit {
Class UIPanGestureRecognizerClass();
void registerUIPanGestureRecognizer();
}
