#include "Dispatch.h"
#include "RunLoop.h"

#include <limits>

struct dispatch_queue_s { };

namespace {

// The run loop's clock starts at zero; dispatch's "now" must never be 0, which
// means DISPATCH_TIME_NOW, so instants are offset by one nanosecond.
dispatch_time_t toDispatchTime(int64_t nanoseconds) { return static_cast<dispatch_time_t>(nanoseconds) + 1; }
int64_t fromDispatchTime(dispatch_time_t when) { return static_cast<int64_t>(when - 1); }

}

dispatch_queue_t dispatch_get_main_queue()
{
    static dispatch_queue_s mainQueue;
    return &mainQueue;
}

dispatch_time_t dispatch_time(dispatch_time_t when, int64_t delta)
{
    if (when == DISPATCH_TIME_FOREVER)
        return DISPATCH_TIME_FOREVER;
    int64_t base = when == DISPATCH_TIME_NOW ? dispatch::RunLoop::main().nowNanoseconds() : fromDispatchTime(when);
    // Saturate instead of overflowing; a time before the start means "now".
    int64_t result;
    if (__builtin_add_overflow(base, delta, &result) || result == INT64_MAX)
        return delta > 0 ? DISPATCH_TIME_FOREVER : toDispatchTime(0);
    return toDispatchTime(std::max<int64_t>(result, 0));
}

void dispatch_after(dispatch_time_t when, dispatch_queue_t, dispatch_block_t block)
{
    if (!block || when == DISPATCH_TIME_FOREVER)
        return;
    auto& loop = dispatch::RunLoop::main();
    int64_t instant = when == DISPATCH_TIME_NOW ? loop.nowNanoseconds() : fromDispatchTime(when);
    loop.scheduleAt(instant, std::move(block));
}

void dispatch_async(dispatch_queue_t, dispatch_block_t block)
{
    if (block)
        dispatch::RunLoop::main().post(std::move(block));
}

void dispatch_once(dispatch_once_t* predicate, const dispatch_block_t& block)
{
    if (!predicate || *predicate)
        return;
    *predicate = ~0l;
    if (block)
        block();
}
