#include "ScriptFinger.h"

#include "dispatch/RunLoop.h"
#include "uikit/TouchInput.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

double now() { return dispatch::RunLoop::main().now(); }

}

void landFinger(CGPoint point)
{
    uikit::TouchInput::shared().touchBegan(point, now());
}

void keepFingerDown(double seconds)
{
    auto& loop = dispatch::RunLoop::main();
    loop.runUntil(loop.nowNanoseconds() + std::llround(seconds * 1e9));
}

void slideFinger(CGPoint from, CGPoint to, double seconds)
{
    auto& loop = dispatch::RunLoop::main();
    auto& touches = uikit::TouchInput::shared();
    // Counted in whole nanoseconds from the start, so long slides do not drift.
    int64_t const start = loop.nowNanoseconds();
    int64_t const duration = std::llround(seconds * 1e9);
    int64_t const second = 1'000'000'000;
    int64_t const moves = std::max<int64_t>(1, (duration * kFingerMovesPerSecond + second - 1) / second);
    for (int64_t move = 1; move <= moves; ++move) {
        int64_t const elapsed = std::min(duration, move * second / kFingerMovesPerSecond);
        loop.runUntil(start + elapsed);
        double const fraction = duration > 0 ? static_cast<double>(elapsed) / static_cast<double>(duration) : 1;
        CGPoint const point { from.x + (to.x - from.x) * fraction, from.y + (to.y - from.y) * fraction };
        touches.touchMoved(point, now());
    }
}

void liftFinger(CGPoint point)
{
    uikit::TouchInput::shared().touchEnded(point, now());
}

}
