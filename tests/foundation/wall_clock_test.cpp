// The device's wall clock: a fixed start reads as the phone's local time and
// moves with the run loop's clock; only real times are accepted.
#include "dispatch/RunLoop.h"
#include "foundation/WallClock.h"

#include <gtest/gtest.h>

TEST(WallClock, ParsesOnlyRealTimes)
{
    EXPECT_EQ(foundation::parseWallClock("1970-01-01T00:00:00"), 0.0);
    EXPECT_EQ(foundation::parseWallClock("2026-12-09T09:41:05"), 1796809265.0);
    EXPECT_EQ(foundation::parseWallClock("2024-02-29T23:59:59"), 1709251199.0) << "a leap day";
    for (auto const* wrong : { "2026-02-29T00:00:00", "2026-13-01T00:00:00", "2026-12-09T24:00:00", "2026-12-09 09:41:00", "2026-12-09T09:41",
             "+026-12-09T09:41:00", "2026-12-09T09:41:00Z", "1969-12-31T23:59:59", "" })
        EXPECT_FALSE(foundation::parseWallClock(wrong)) << wrong;
}

TEST(WallClock, AFixedStartFollowsTheRunLoopAndReadsAsWritten)
{
    auto& loop = dispatch::RunLoop::main();
    loop.setClockMode(dispatch::RunLoop::ClockMode::Virtual);
    loop.restartClock();
    foundation::setWallClockStart(foundation::parseWallClock("2026-12-09T09:41:30"));
    loop.runUntil(loop.nowNanoseconds() + 45'000'000'000);
    std::tm const shown = foundation::wallClockLocalTime(static_cast<std::time_t>(foundation::wallClockNow()));
    EXPECT_EQ(shown.tm_hour, 9);
    EXPECT_EQ(shown.tm_min, 42);
    EXPECT_EQ(shown.tm_sec, 15);
    foundation::resetWallClock();
}
