#pragma once
// Swipes: one finger flicks in one of the allowed directions. The swipe is
// decided the moment the finger is kSwipeDecidingDistance from where it landed
// along its main axis: it is recognised when that direction is in
// `direction`, the movement is straight (across the main axis at most
// kSwipeLargestSlant times along it) and its average speed since the finger
// landed is at least kSwipeLeastSpeed; otherwise it fails. It also fails when
// the finger lifts first or a second finger joins. A pan on the same touch
// runs on beside it.
//
// Encodings: direction "Q@:", setDirection: "v@:Q" (a mask of the
// UISwipeGestureRecognizerDirection bits; right by default).

#include "UIGestureRecognizer.h"

enum UISwipeGestureRecognizerDirection : unsigned long {
    UISwipeGestureRecognizerDirectionRight = 1 << 0,
    UISwipeGestureRecognizerDirectionLeft = 1 << 1,
    UISwipeGestureRecognizerDirectionUp = 1 << 2,
    UISwipeGestureRecognizerDirectionDown = 1 << 3,
};

namespace uikit {

// Points along the main axis at which a swipe is decided.
inline constexpr CGFloat kSwipeDecidingDistance = 50;
// Points a second, from landing to that distance: a flick, not a drag (a
// 0.1 s swipe over 100 points goes 1000 points a second).
inline constexpr double kSwipeLeastSpeed = 400;
// Largest movement across the main axis for each point along it (about 27°).
inline constexpr CGFloat kSwipeLargestSlant = 0.5;

}

struct UISwipeGestureRecognizer : UIGestureRecognizer {
    unsigned long direction = UISwipeGestureRecognizerDirectionRight;
    CGPoint start;
    double startTime = 0;

    void began(UITouch* touch) override;
    void moved(UITouch* touch) override;
    void ended(UITouch* touch) override;
    bool recognizesAlongside(const UIGestureRecognizer& other) const override;
};

namespace uikit {
Class UISwipeGestureRecognizerClass();
void registerUISwipeGestureRecognizer();
}
