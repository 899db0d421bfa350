#include "Arrivals.h"

#include <ctime>
#include <linux/futex.h>
#include <new>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace bench {

namespace {

static_assert(sizeof(std::atomic<uint32_t>) == sizeof(uint32_t) && std::atomic<uint32_t>::is_always_lock_free);

// Not the private futex operations: the word is shared between processes.
uint32_t* word(std::atomic<uint32_t>& atomic) { return reinterpret_cast<uint32_t*>(&atomic); }

void futexWait(std::atomic<uint32_t>& atomic, uint32_t seen, int64_t nanoseconds)
{
    timespec timeout { static_cast<time_t>(nanoseconds / 1'000'000'000), static_cast<long>(nanoseconds % 1'000'000'000) };
    syscall(SYS_futex, word(atomic), FUTEX_WAIT, seen, &timeout, nullptr, 0);
}

void futexWakeAll(std::atomic<uint32_t>& atomic) { syscall(SYS_futex, word(atomic), FUTEX_WAKE, INT32_MAX, nullptr, nullptr, 0); }

}

int64_t monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

Arrivals* Arrivals::create()
{
    void* memory = mmap(nullptr, sizeof(Arrivals), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return nullptr;
    return new (memory) Arrivals;
}

void Arrivals::expect(int count)
{
    for (auto& slot : m_slots) {
        slot.receivedAt.store(0, std::memory_order_relaxed);
        slot.value.store(0, std::memory_order_relaxed);
    }
    m_expected.store(static_cast<uint32_t>(count), std::memory_order_relaxed);
    m_answers.store(0, std::memory_order_release);
}

bool Arrivals::waitForAnswers(int timeoutMilliseconds)
{
    uint32_t const expected = m_expected.load(std::memory_order_relaxed);
    int64_t const deadline = monotonicNanoseconds() + int64_t { timeoutMilliseconds } * 1'000'000;
    while (true) {
        uint32_t const answers = m_answers.load(std::memory_order_acquire);
        if (answers >= expected)
            return true;
        int64_t const left = deadline - monotonicNanoseconds();
        if (left <= 0)
            return false;
        futexWait(m_answers, answers, left);
    }
}

void Arrivals::stamp(int receiver, int64_t receivedAt, int32_t value)
{
    m_slots[receiver].receivedAt.store(receivedAt, std::memory_order_relaxed);
    m_slots[receiver].value.store(value, std::memory_order_relaxed);
    answer();
}

void Arrivals::answer()
{
    // Only the last answer wakes the sender: one wake-up a round, whatever the
    // number of receivers.
    uint32_t const answers = m_answers.fetch_add(1, std::memory_order_acq_rel) + 1;
    if (answers == m_expected.load(std::memory_order_relaxed))
        futexWakeAll(m_answers);
}

}
