#pragma once
// Taps: one finger lands and lifts again soon, close to where it landed. The
// tap is recognised when the finger lifts. It fails as soon as the finger is
// more than kTapLargestMovement from where it landed, has been down longer
// than kTapLongestDuration, or a second finger joins. One tap of one finger:
// taps that need more taps or fingers are not provided.
//
// Encodings: those of UIGestureRecognizer.h; no settings of its own.

#include "UIGestureRecognizer.h"

namespace uikit {

// Points from where the finger landed; a touch that moves further is no tap
// (and a pan, which starts at the same distance, takes it).
inline constexpr CGFloat kTapLargestMovement = 10;
// Seconds from landing to lifting; held longer, the touch is a press, which
// the long press recognizer takes from its default 0.5 s on.
inline constexpr double kTapLongestDuration = 0.5;

}

struct UITapGestureRecognizer : UIGestureRecognizer {
    CGPoint start;
    double startTime = 0;

    void began(UITouch* touch) override;
    void moved(UITouch* touch) override;
    void ended(UITouch* touch) override;

    bool isStillATap(const UITouch* touch) const;
};

namespace uikit {
Class UITapGestureRecognizerClass();
void registerUITapGestureRecognizer();
}
