// Post-to-callback latency between two processes over a private bus: a Darwin
// notification through the centers, beside a bare sdbus-c++ signal between two
// processes measured in the same run. Each sample is one way: the receiving
// process stamps the monotonic clock (shared by every process) into shared
// memory in its callback, then answers so the sender can post the next one.

#include "dispatch/RunLoop.h"
#include "foundation/NSObject.h"
#include "foundation/NSString.h"
#include "notifications/Bus.h"
#include "notifications/CFNotificationCenter.h"
#include "runtime/AutoreleasePool.h"

#include <benchmark/benchmark.h>
#include <sdbus-c++/sdbus-c++.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <ctime>
#include <poll.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kBarePath = "/org/drawlet/Bench";
constexpr const char* kBareInterface = "org.drawlet.Bench";

int64_t monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

struct Shared {
    std::atomic<int64_t> receivedAt { 0 };
};

Shared* g_shared;
std::string g_address;
std::vector<pid_t> g_children;

// Receiver of the platform path: stamps, then answers with a Darwin post.
[[noreturn]] void runCenterReceiver()
{
    notifications::resetCenters();
    dispatch::RunLoop::main().reset();
    if (!notifications::connectToBus(g_address))
        _exit(2);
    notifications::exitWhenBusDisconnects(true);
    CFNotificationCenterAddObserver(CFNotificationCenterGetDarwinNotifyCenter(), nullptr,
        [](CFNotificationCenterRef center, void*, CFStringRef, const void*, CFDictionaryRef) {
            g_shared->receivedAt.store(monotonicNanoseconds());
            CFNotificationCenterPostNotification(center, NSSTR("org.drawlet.bench/pong"), nullptr, nullptr, true);
        },
        NSSTR("org.drawlet.bench/ping"), nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);
    CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(), NSSTR("org.drawlet.bench/pong"), nullptr, nullptr, true);
    dispatch::RunLoop::main().run();
    _exit(0);
}

// Receiver of the bare path: the same exchange with nothing but sdbus-c++.
[[noreturn]] void runBareReceiver()
{
    auto connection = sdbus::createSessionBusConnectionWithAddress(g_address);
    auto object = sdbus::createObject(*connection, kBarePath);
    auto slot = connection->addMatch(std::string("type='signal',interface='") + kBareInterface + "',member='Ping'", [&](sdbus::Message&) {
        g_shared->receivedAt.store(monotonicNanoseconds());
        auto pong = object->createSignal(kBareInterface, "Pong");
        pong.send();
    });
    object->createSignal(kBareInterface, "Pong").send();
    try {
        while (true) {
            while (connection->processPendingRequest()) { }
            auto poll = connection->getEventLoopPollData();
            pollfd descriptor { poll.fd, poll.events, 0 };
            ::poll(&descriptor, 1, -1);
        }
    } catch (const sdbus::Error&) {
        // The bus went away: the benchmark is over.
    }
    _exit(0);
}

pid_t startReceiver(void (*body)())
{
    pid_t parent = getpid();
    pid_t child = fork();
    if (child != 0)
        return child;
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent)
        _exit(1);
    body();
    _exit(0);
}

// The sender side of the platform path, in this process.
class CenterSender {
public:
    CenterSender()
    {
        CFNotificationCenterAddObserver(CFNotificationCenterGetDarwinNotifyCenter(), this,
            [](CFNotificationCenterRef, void* observer, CFStringRef, const void*, CFDictionaryRef) {
                static_cast<CenterSender*>(observer)->m_answered = true;
                dispatch::RunLoop::main().stop();
            },
            NSSTR("org.drawlet.bench/pong"), nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);
    }
    bool waitForAnswer()
    {
        while (!m_answered) {
            dispatch::RunLoop::main().runFor(5.0);
            if (!m_answered)
                return false;
        }
        m_answered = false;
        return true;
    }
    // One way, in nanoseconds, or -1 when no answer came.
    int64_t once()
    {
        int64_t sent = monotonicNanoseconds();
        CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(), NSSTR("org.drawlet.bench/ping"), nullptr, nullptr, true);
        if (!waitForAnswer())
            return -1;
        return g_shared->receivedAt.load() - sent;
    }

private:
    bool m_answered = false;
};

class BareSender {
public:
    BareSender()
        : m_connection(sdbus::createSessionBusConnectionWithAddress(g_address))
        , m_object(sdbus::createObject(*m_connection, kBarePath))
    {
        m_slot = m_connection->addMatch(std::string("type='signal',interface='") + kBareInterface + "',member='Pong'", [this](sdbus::Message&) { m_answered = true; });
    }
    bool waitForAnswer()
    {
        int64_t deadline = monotonicNanoseconds() + 5'000'000'000;
        while (!m_answered) {
            while (!m_answered && m_connection->processPendingRequest()) { }
            if (m_answered)
                break;
            if (monotonicNanoseconds() > deadline)
                return false;
            auto poll = m_connection->getEventLoopPollData();
            pollfd descriptor { poll.fd, poll.events, 0 };
            ::poll(&descriptor, 1, 100);
        }
        m_answered = false;
        return true;
    }
    int64_t once()
    {
        int64_t sent = monotonicNanoseconds();
        m_object->createSignal(kBareInterface, "Ping").send();
        if (!waitForAnswer())
            return -1;
        return g_shared->receivedAt.load() - sent;
    }

private:
    std::unique_ptr<sdbus::IConnection> m_connection;
    std::unique_ptr<sdbus::IObject> m_object;
    sdbus::Slot m_slot;
    bool m_answered = false;
};

CenterSender* g_centerSender;
BareSender* g_bareSender;

template <class Sender>
void measure(benchmark::State& state, Sender& sender)
{
    std::vector<double> microseconds;
    microseconds.reserve(state.max_iterations);
    for (auto _ : state) {
        AutoreleasePool pool;
        int64_t latency = sender.once();
        if (latency < 0) {
            state.SkipWithError("no answer from the receiving process");
            return;
        }
        microseconds.push_back(static_cast<double>(latency) / 1000.0);
        state.SetIterationTime(static_cast<double>(latency) / 1e9);
    }
    std::sort(microseconds.begin(), microseconds.end());
    auto at = [&](double fraction) { return microseconds[static_cast<size_t>(fraction * static_cast<double>(microseconds.size() - 1))]; };
    state.counters["median_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = microseconds.back();
}

void BM_DarwinNotificationAcrossProcesses(benchmark::State& state) { measure(state, *g_centerSender); }
void BM_BareSdbusSignalAcrossProcesses(benchmark::State& state) { measure(state, *g_bareSender); }

BENCHMARK(BM_BareSdbusSignalAcrossProcesses)->Iterations(5000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DarwinNotificationAcrossProcesses)->Iterations(5000)->UseManualTime()->Unit(benchmark::kMicrosecond);

bool setUp()
{
    foundation::registerClasses();
    void* memory = mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return false;
    g_shared = new (memory) Shared;
    g_address = notifications::startPrivateBusDaemon();
    if (g_address.empty() || !notifications::connectToBus(g_address))
        return false;
    // Each sender listens before its receiver starts, so the receiver's first
    // answer (its "ready") is not missed.
    g_centerSender = new CenterSender;
    g_bareSender = new BareSender;
    g_children.push_back(startReceiver(runCenterReceiver));
    g_children.push_back(startReceiver(runBareReceiver));
    return g_centerSender->waitForAnswer() && g_bareSender->waitForAnswer();
}

void tearDown()
{
    delete g_bareSender;
    notifications::disconnectFromBus();
    // The receivers leave when their bus does.
    notifications::stopPrivateBusDaemon();
    for (pid_t child : g_children) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
}

}

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!setUp()) {
        std::fprintf(stderr, "notifications_bench: could not set up the bus and its receivers\n");
        tearDown();
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    tearDown();
    benchmark::Shutdown();
    return 0;
}
