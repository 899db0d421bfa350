#pragma once
// libdispatch as far as the system uses it: the main queue, dispatch_after with
// dispatch_time in nanoseconds, dispatch_async and dispatch_once. Every queue is
// the main run loop: all work runs on the main thread.

#include <cstdint>
#include <functional>

using dispatch_time_t = uint64_t;
using dispatch_block_t = std::function<void()>;
using dispatch_once_t = long;

struct dispatch_queue_s;
using dispatch_queue_t = dispatch_queue_s*;

inline constexpr dispatch_time_t DISPATCH_TIME_NOW = 0;
inline constexpr dispatch_time_t DISPATCH_TIME_FOREVER = ~0ull;
inline constexpr uint64_t NSEC_PER_SEC = 1'000'000'000ull;
inline constexpr uint64_t NSEC_PER_MSEC = 1'000'000ull;

dispatch_queue_t dispatch_get_main_queue();
dispatch_time_t dispatch_time(dispatch_time_t when, int64_t delta);
void dispatch_after(dispatch_time_t when, dispatch_queue_t queue, dispatch_block_t block);
void dispatch_async(dispatch_queue_t queue, dispatch_block_t block);
void dispatch_once(dispatch_once_t* predicate, const dispatch_block_t& block);
