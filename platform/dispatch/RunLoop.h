#pragma once
// The main run loop: timers, posted work and file-descriptor sources, all run on
// the one main thread. Its clock is real time, or virtual time in headless runs
// and tests, where waiting takes no real time and timers fire in order at their
// exact virtual instants (same instant: in the order they were scheduled).

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <poll.h>
#include <vector>

namespace dispatch {

// A source the loop polls: it says what to wait for before each poll, and is
// told what happened. The bus connection is one.
class PollSource {
public:
    virtual ~PollSource() = default;
    virtual int fileDescriptor() const = 0;
    virtual short events() const = 0;
    // Nanoseconds of real time until the source needs servicing anyway, or -1.
    virtual int64_t timeoutNanoseconds() const { return -1; }
    virtual void dispatch(short revents) = 0;
};

class RunLoop {
public:
    enum class ClockMode {
        Real,
        Virtual,
    };
    using TimerId = uint64_t;

    static RunLoop& main();

    void setClockMode(ClockMode mode);
    ClockMode clockMode() const { return m_mode; }
    int64_t nowNanoseconds() const;
    double now() const { return static_cast<double>(nowNanoseconds()) / 1e9; }

    TimerId scheduleAt(int64_t nanoseconds, std::function<void()> work);
    TimerId post(std::function<void()> work) { return scheduleAt(nowNanoseconds(), std::move(work)); }
    void cancel(TimerId timer);
    // The instant of the earliest pending timer, or -1.
    int64_t nextTimerNanoseconds() const;
    size_t pendingTimerCount() const { return m_timers.size(); }

    void addSource(PollSource* source);
    void removeSource(PollSource* source);

    // Runs before virtual time moves on, until it reports that nothing more
    // arrived (the bus layer uses it to collect messages in flight).
    void setSettleHook(std::function<bool()> hook) { m_settleHook = std::move(hook); }
    // The earliest instant something outside this loop is due (another
    // process's timer, in a lock-step), or -1; virtual time stops there too.
    void setExternalDueHook(std::function<int64_t()> hook) { m_externalDueHook = std::move(hook); }

    // Runs each time virtual time has moved on, before anything due at the
    // new instant; the lock-step's leader tells its followers there.
    void setClockAdvancedHook(std::function<void(int64_t)> hook) { m_clockAdvancedHook = std::move(hook); }

    // Real time: runs each time the loop has run everything due and is about
    // to wait (a display draws what the work changed there). It may schedule
    // timers; the wait then ends in time for them.
    void setBeforeWaitingHook(std::function<void()> hook) { m_beforeWaitingHook = std::move(hook); }

    // Led virtual time: the clock moves only when advanceClockTo is called
    // (by the process leading the lock-step); between steps the loop waits on
    // its sources. Without sources it leads itself again.
    void setClockLed(bool led) { m_led = led; }
    bool isClockLed() const { return m_led; }
    // Moves a virtual clock forward to `nanoseconds`; never back.
    void advanceClockTo(int64_t nanoseconds);

    // Runs everything due up to `until` (virtual: moving the clock there; real:
    // waiting for it), returning early when `stop` is called.
    void runUntil(int64_t until);
    void runFor(double seconds) { runUntil(nowNanoseconds() + static_cast<int64_t>(seconds * 1e9)); }
    // Runs everything already due and services ready sources, without waiting.
    void drain();
    void run();
    void stop() { m_stopped = true; }
    bool isStopped() const { return m_stopped; }

    // Starts the clock again at zero (virtual time 0 is the end of launch).
    void restartClock();

    // Forgets every timer and source, with the clock at zero in `mode`; for tests.
    void reset(ClockMode mode = ClockMode::Real);

private:
    RunLoop();
    bool runDueTimers();
    // One step of virtual time; false when runUntil should return.
    bool stepVirtualClock(int64_t until);
    int64_t nextDueNanoseconds() const;
    void moveVirtualClockTo(int64_t nanoseconds);
    bool pollSources(int timeoutMilliseconds);
    void runWork(const std::function<void()>& work);

    ClockMode m_mode = ClockMode::Real;
    int64_t m_virtualNow = 0;
    int64_t m_realStart = 0;
    uint64_t m_nextSequence = 1;
    // Keyed by (instant, sequence): same-instant timers keep scheduling order.
    std::map<std::pair<int64_t, uint64_t>, std::function<void()>> m_timers;
    std::map<TimerId, int64_t> m_timerInstants;
    std::vector<PollSource*> m_sources;
    std::function<bool()> m_settleHook;
    std::function<int64_t()> m_externalDueHook;
    std::function<void(int64_t)> m_clockAdvancedHook;
    std::function<void()> m_beforeWaitingHook;
    bool m_led = false;
    bool m_stopped = false;
};

}
