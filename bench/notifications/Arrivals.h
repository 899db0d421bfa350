#pragma once
// Where receiving processes record when a notification reached them, and how
// the sender learns that every one has. It lives in an anonymous shared
// mapping made before the receivers are forked, so every process sees the
// same slots; the answer is a futex word, which wakes the sender once, when
// the last receiver has answered, and adds no traffic to the bus being
// measured.

#include <atomic>
#include <cstdint>

namespace bench {

int64_t monotonicNanoseconds();

class Arrivals {
public:
    static constexpr int kMaximumReceivers = 16;

    // In shared memory, or nullptr when it cannot be mapped. Never unmapped:
    // the forked receivers hold it until they exit.
    static Arrivals* create();

    // Sender: forget the last round and expect `count` answers.
    void expect(int count);
    // Sender: true once every expected answer is in, false after the timeout.
    bool waitForAnswers(int timeoutMilliseconds);
    int64_t receivedAt(int receiver) const { return m_slots[receiver].receivedAt.load(std::memory_order_relaxed); }
    int32_t value(int receiver) const { return m_slots[receiver].value.load(std::memory_order_relaxed); }

    // Receiver: when the notification arrived and the value it read, then its
    // answer.
    void stamp(int receiver, int64_t receivedAt, int32_t value);
    // Receiver: an answer alone (ready to receive).
    void answer();

private:
    Arrivals() = default;

    struct Slot {
        std::atomic<int64_t> receivedAt { 0 };
        std::atomic<int32_t> value { 0 };
    };
    Slot m_slots[kMaximumReceivers];
    std::atomic<uint32_t> m_answers { 0 };
    std::atomic<uint32_t> m_expected { 0 };
};

}
