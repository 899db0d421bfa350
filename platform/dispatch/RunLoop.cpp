#include "RunLoop.h"

#include "runtime/AutoreleasePool.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>

namespace dispatch {

namespace {

int64_t steadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}

RunLoop& RunLoop::main()
{
    static auto* loop = new RunLoop;
    return *loop;
}

RunLoop::RunLoop()
    : m_realStart(steadyNanoseconds())
{
}

void RunLoop::setClockMode(ClockMode mode)
{
    if (mode == m_mode)
        return;
    // Switching keeps the clock continuous.
    int64_t now = nowNanoseconds();
    m_mode = mode;
    if (mode == ClockMode::Virtual)
        m_virtualNow = now;
    else
        m_realStart = steadyNanoseconds() - now;
}

int64_t RunLoop::nowNanoseconds() const
{
    if (m_mode == ClockMode::Virtual)
        return m_virtualNow;
    return steadyNanoseconds() - m_realStart;
}

RunLoop::TimerId RunLoop::scheduleAt(int64_t nanoseconds, std::function<void()> work)
{
    TimerId timer = m_nextSequence++;
    m_timers.emplace(std::pair(nanoseconds, timer), std::move(work));
    m_timerInstants.emplace(timer, nanoseconds);
    return timer;
}

void RunLoop::cancel(TimerId timer)
{
    auto it = m_timerInstants.find(timer);
    if (it == m_timerInstants.end())
        return;
    m_timers.erase(std::pair(it->second, timer));
    m_timerInstants.erase(it);
}

int64_t RunLoop::nextTimerNanoseconds() const
{
    return m_timers.empty() ? -1 : m_timers.begin()->first.first;
}

void RunLoop::addSource(PollSource* source)
{
    if (std::find(m_sources.begin(), m_sources.end(), source) == m_sources.end())
        m_sources.push_back(source);
}

void RunLoop::removeSource(PollSource* source)
{
    std::erase(m_sources, source);
}

void RunLoop::runWork(const std::function<void()>& work)
{
    AutoreleasePool pool;
    work();
}

bool RunLoop::runDueTimers()
{
    bool ran = false;
    int64_t now = nowNanoseconds();
    while (!m_stopped && !m_timers.empty() && m_timers.begin()->first.first <= now) {
        auto node = m_timers.extract(m_timers.begin());
        m_timerInstants.erase(node.key().second);
        runWork(node.mapped());
        ran = true;
    }
    return ran;
}

bool RunLoop::pollSources(int timeoutMilliseconds)
{
    if (m_sources.empty())
        return false;
    std::vector<PollSource*> polled = m_sources;
    std::vector<pollfd> fds;
    fds.reserve(polled.size());
    for (auto* source : polled)
        fds.push_back({ source->fileDescriptor(), source->events(), 0 });
    for (auto* source : polled) {
        int64_t timeout = source->timeoutNanoseconds();
        if (timeout >= 0)
            timeoutMilliseconds = timeoutMilliseconds < 0 ? static_cast<int>(std::min<int64_t>(timeout / 1'000'000, INT_MAX)) : std::min<int>(timeoutMilliseconds, static_cast<int>(std::min<int64_t>(timeout / 1'000'000, INT_MAX)));
    }
    int ready = ::poll(fds.data(), fds.size(), timeoutMilliseconds);
    if (ready < 0)
        return false;
    bool any = false;
    for (size_t i = 0; i < polled.size(); ++i) {
        // A source removed by an earlier callback in this round is skipped.
        if (std::find(m_sources.begin(), m_sources.end(), polled[i]) == m_sources.end())
            continue;
        if (fds[i].revents || polled[i]->timeoutNanoseconds() == 0) {
            AutoreleasePool pool;
            polled[i]->dispatch(fds[i].revents);
            any = true;
        }
    }
    return any;
}

void RunLoop::drain()
{
    // Ready sources first, then due work, until neither has anything more.
    for (int rounds = 0; rounds < 10000 && !m_stopped; ++rounds) {
        bool polled = pollSources(0);
        bool ran = runDueTimers();
        if (!polled && !ran)
            return;
    }
}

void RunLoop::advanceClockTo(int64_t nanoseconds)
{
    if (m_mode == ClockMode::Virtual)
        m_virtualNow = std::max(m_virtualNow, nanoseconds);
}

void RunLoop::moveVirtualClockTo(int64_t nanoseconds)
{
    if (nanoseconds <= m_virtualNow)
        return;
    m_virtualNow = nanoseconds;
    if (m_clockAdvancedHook)
        m_clockAdvancedHook(m_virtualNow);
}

int64_t RunLoop::nextDueNanoseconds() const
{
    int64_t next = nextTimerNanoseconds();
    int64_t external = m_externalDueHook ? m_externalDueHook() : -1;
    if (next < 0 || (external >= 0 && external < next))
        return external;
    return next;
}

bool RunLoop::stepVirtualClock(int64_t until)
{
    if (m_led && !m_sources.empty()) {
        // Answer the leader for this instant, then wait for its next step.
        if (m_settleHook)
            m_settleHook();
        if (m_stopped || m_virtualNow >= until)
            return false;
        pollSources(1000);
        return true;
    }
    // Let messages in flight arrive at this instant before time moves on.
    if (m_settleHook && m_settleHook())
        return true;
    int64_t next = nextDueNanoseconds();
    if (next < 0 || next > until) {
        if (m_virtualNow >= until)
            return false;
        // Settle once more at `until`, so everything led by this clock
        // has caught up with it when this returns.
        moveVirtualClockTo(until);
        return true;
    }
    moveVirtualClockTo(next);
    return true;
}

void RunLoop::runUntil(int64_t until)
{
    m_stopped = false;
    while (!m_stopped) {
        drain();
        if (m_stopped)
            return;
        if (m_mode == ClockMode::Virtual) {
            if (!stepVirtualClock(until))
                return;
            continue;
        }
        if (m_beforeWaitingHook) {
            runWork(m_beforeWaitingHook);
            if (m_stopped)
                return;
        }
        int64_t now = nowNanoseconds();
        if (now >= until)
            return;
        int64_t wake = until;
        if (int64_t next = nextTimerNanoseconds(); next >= 0)
            wake = std::min(wake, next);
        int64_t waitNs = std::max<int64_t>(0, wake - now);
        int waitMs = static_cast<int>(std::min<int64_t>((waitNs + 999'999) / 1'000'000, 1000));
        if (m_sources.empty()) {
            struct timespec pause {
                waitMs / 1000, (waitMs % 1000) * 1'000'000L
            };
            while (nanosleep(&pause, &pause) != 0 && errno == EINTR) { }
        } else {
            pollSources(waitMs);
        }
    }
}

void RunLoop::run()
{
    runUntil(INT64_MAX);
}

void RunLoop::restartClock()
{
    m_virtualNow = 0;
    m_realStart = steadyNanoseconds();
}

void RunLoop::reset(ClockMode mode)
{
    m_timers.clear();
    m_timerInstants.clear();
    m_sources.clear();
    m_settleHook = nullptr;
    m_externalDueHook = nullptr;
    m_clockAdvancedHook = nullptr;
    m_beforeWaitingHook = nullptr;
    m_led = false;
    m_stopped = false;
    m_mode = mode;
    restartClock();
}

}
