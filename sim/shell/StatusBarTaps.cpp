#include "StatusBarTaps.h"
#include "TapLanding.h"

#include "activator/DeviceEvents.h"
#include "uikit/UITouch.h"

#include <memory>
#include <optional>

namespace sim {

namespace {

struct DoubleTap {
    // The finger on the status bar, while it may still be a tap.
    std::optional<TapLanding> landing;
    // When the status bar's last tap lifted, while a second one may follow.
    std::optional<double> firstTapLifted;

    // True when the touch completes a double tap.
    bool touched(const UITouch* touch)
    {
        switch (touch->phase) {
        case UITouchPhaseBegan:
            landing.reset();
            if (touch->screenLocation.y < kStatusBarTapHeight)
                landing = TapLanding { touch->screenLocation, touch->timestamp };
            else
                firstTapLifted.reset();
            return false;
        case UITouchPhaseMoved:
            if (landing && !stillATap(*landing, touch))
                landing.reset();
            return false;
        case UITouchPhaseEnded:
            return lifted(touch);
        default:
            landing.reset();
            firstTapLifted.reset();
            return false;
        }
    }

    bool lifted(const UITouch* touch)
    {
        bool const tapped = landing && stillATap(*landing, touch) && touch->screenLocation.y < kStatusBarTapHeight;
        std::optional<TapLanding> const tap = landing;
        landing.reset();
        if (!tapped) {
            firstTapLifted.reset();
            return false;
        }
        if (firstTapLifted && tap->timestamp - *firstTapLifted <= kStatusBarDoubleTapSeconds) {
            firstTapLifted.reset();
            return true;
        }
        firstTapLifted = touch->timestamp;
        return false;
    }
};

}

std::function<void(UITouch*)> watchStatusBarDoubleTaps(std::function<void(UITouch*)> next)
{
    auto doubleTap = std::make_shared<DoubleTap>();
    return [doubleTap, next = std::move(next)](UITouch* touch) {
        bool const doubleTapped = doubleTap->touched(touch);
        // The touch ends where it went before the event acts.
        if (next)
            next(touch);
        if (doubleTapped)
            activator::fireDeviceEvent(activator::kStatusBarDoubleTapEvent);
    };
}

}
