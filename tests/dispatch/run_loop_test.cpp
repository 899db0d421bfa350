#include "dispatch/Dispatch.h"
#include "dispatch/RunLoop.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class RunLoopTest : public testing::Test {
protected:
    void SetUp() override
    {
        loop.reset(dispatch::RunLoop::ClockMode::Virtual);
    }
    void TearDown() override { loop.reset(); }

    dispatch::RunLoop& loop = dispatch::RunLoop::main();
};

TEST_F(RunLoopTest, TimersFireAtTheirExactVirtualInstantsInOrder)
{
    std::vector<std::pair<int, int64_t>> fired;
    auto record = [&](int tag) { return [&, tag] { fired.emplace_back(tag, loop.nowNanoseconds()); }; };
    dispatch_after(dispatch_time(DISPATCH_TIME_NOW, 300'000'000), dispatch_get_main_queue(), record(3));
    dispatch_after(dispatch_time(DISPATCH_TIME_NOW, 100'000'000), dispatch_get_main_queue(), record(1));
    dispatch_after(dispatch_time(DISPATCH_TIME_NOW, 100'000'000), dispatch_get_main_queue(), record(2));
    loop.runFor(0.2);
    EXPECT_EQ(loop.nowNanoseconds(), 200'000'000);
    ASSERT_EQ(fired.size(), 2u);
    EXPECT_EQ(fired[0], std::pair(1, int64_t { 100'000'000 }));
    EXPECT_EQ(fired[1], std::pair(2, int64_t { 100'000'000 })) << "same instant keeps scheduling order";
    loop.runFor(1);
    ASSERT_EQ(fired.size(), 3u);
    EXPECT_EQ(fired[2], std::pair(3, int64_t { 300'000'000 }));
}

TEST_F(RunLoopTest, WorkScheduledByWorkRunsAtItsOwnInstant)
{
    std::vector<int64_t> instants;
    // 1,000 events a millisecond apart, each scheduling a follow-up 0.2 s later.
    for (int i = 0; i < 1000; ++i) {
        loop.scheduleAt(i * 1'000'000LL, [&] {
            dispatch_after(dispatch_time(DISPATCH_TIME_NOW, 200'000'000), dispatch_get_main_queue(), [&] { instants.push_back(loop.nowNanoseconds()); });
        });
    }
    loop.runFor(2);
    ASSERT_EQ(instants.size(), 1000u);
    for (int i = 0; i < 1000; ++i)
        EXPECT_EQ(instants[i], 200'000'000 + i * 1'000'000LL);
}

TEST_F(RunLoopTest, CancelledTimersDoNotFireAndStopEndsTheRun)
{
    bool fired = false;
    auto timer = loop.scheduleAt(10, [&] { fired = true; });
    loop.cancel(timer);
    loop.scheduleAt(20, [&] { loop.stop(); });
    loop.scheduleAt(30, [&] { fired = true; });
    loop.run();
    EXPECT_FALSE(fired);
    EXPECT_EQ(loop.nowNanoseconds(), 20);
}

TEST_F(RunLoopTest, DispatchTimeSaturatesAndNeverGoesBeforeTheStart)
{
    EXPECT_EQ(dispatch_time(DISPATCH_TIME_NOW, INT64_MAX), DISPATCH_TIME_FOREVER);
    EXPECT_EQ(dispatch_time(DISPATCH_TIME_FOREVER, 5), DISPATCH_TIME_FOREVER);
    bool ran = false;
    dispatch_after(dispatch_time(DISPATCH_TIME_NOW, -5'000'000'000LL), dispatch_get_main_queue(), [&] { ran = true; });
    loop.drain();
    EXPECT_TRUE(ran) << "a time in the past runs at once";
}

TEST_F(RunLoopTest, DispatchOnceRunsItsBlockOnce)
{
    static dispatch_once_t token;
    int runs = 0;
    for (int i = 0; i < 3; ++i)
        dispatch_once(&token, [&] { ++runs; });
    EXPECT_EQ(runs, 1);
}

}
