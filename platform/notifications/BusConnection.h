#pragma once
// One process's connection to the bus (sdbus-c++). It has no thread of its
// own: the main run loop polls it as a PollSource, so every handler runs on the
// main thread. It knows the wire format of notifications and hands what
// arrives to its receivers; what the centers do with it is not its business.

#include "dispatch/RunLoop.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace sdbus {
class IConnection;
class IObject;
class Message;
}

namespace notifications {

class BusConnection final : public dispatch::PollSource {
public:
    struct Receivers {
        std::function<void(std::string name)> darwin;
        std::function<void(std::string name, std::vector<uint8_t> payload, bool deliverImmediately)> distributed;
        std::function<void(std::string token)> barrier;
    };

    enum class SendResult {
        Sent,
        Refused,
        Disconnected,
    };
    enum class Channel {
        Darwin,
        Distributed,
    };

    // A connection, or nullptr with `error` set. It receives only what it
    // listens for (below), besides its own barriers.
    static std::unique_ptr<BusConnection> open(const std::string& address, Receivers receivers, std::string* error);
    // Flushes what is still queued for sending (bounded), then closes.
    ~BusConnection() override;

    BusConnection(const BusConnection&) = delete;
    BusConnection& operator=(const BusConnection&) = delete;

    // Asks the bus for the notifications of one name, or of every name
    // (nullopt), with a match rule; counted, so each call needs one
    // stopListening. Once this returns, nothing posted afterwards by anyone
    // can be missed.
    void listen(Channel channel, const std::optional<std::string>& name);
    void stopListening(Channel channel, const std::optional<std::string>& name);

    SendResult sendDarwin(const std::string& name);
    SendResult sendDistributed(const std::string& name, const std::vector<uint8_t>& payload, bool deliverImmediately);
    // A barrier addressed to this connection itself.
    SendResult sendBarrier(const std::string& token);

    // Other platform areas' messages on this connection (the clock's
    // lock-step, scene control, frames): signals of the same interface. A
    // counted signal may make work for its receivers, so the lock-step counts
    // it with the notifications; the clock's own signals are not counted.
    using SignalHandler = std::function<void(sdbus::Message& message)>;
    enum class Addressing {
        ToThisConnection,
        Broadcast,
    };
    // False, with a log line, when the bus refuses the match rule.
    bool handleSignal(const std::string& member, Addressing addressing, SignalHandler handler, bool counted);
    // `destination` "" broadcasts.
    SendResult sendSignal(const std::string& member, const std::string& destination, const std::function<void(sdbus::Message&)>& fill, bool counted);

    // Notifications and counted signals emitted and received so far.
    uint64_t sentCount() const { return m_sentCount; }
    uint64_t receivedCount() const { return m_receivedCount; }

    // Handles what has arrived, waiting up to `timeoutMilliseconds` of real
    // time for something when nothing has; writes out pending output too.
    void pump(int timeoutMilliseconds);
    // Returns once the bus has read everything sent so far (so nothing is
    // lost when this process closes or exits); false when that took too long.
    bool flush(int timeoutMilliseconds);

    bool isDisconnected() const { return m_disconnected; }
    // Runs on the main run loop (never inside a bus callback) once the bus is
    // found gone, so the owner may destroy the connection there.
    void setDisconnectHandler(std::function<void()> handler) { m_disconnectHandler = std::move(handler); }
    const std::string& uniqueName() const { return m_uniqueName; }
    // How long to wait for the bus's answer before giving up: a few seconds,
    // longer under sanitizers.
    static int replyTimeoutMilliseconds();

    int fileDescriptor() const override { return m_fileDescriptor; }
    short events() const override;
    int64_t timeoutNanoseconds() const override;
    void dispatch(short revents) override;

private:
    explicit BusConnection(Receivers receivers);
    using Slot = std::unique_ptr<void, std::function<void(void*)>>;
    struct Listening {
        int count = 0;
        Slot match;
    };
    void subscribe();
    Slot addMatch(Channel channel, const std::optional<std::string>& name);
    // Overlapping rules (one name and every name) hand the same message to
    // several handlers; only the first one takes it.
    bool isRepeat(sdbus::Message& message);
    bool processAvailable(int limit);
    SendResult emit(const char* member, const std::function<void(sdbus::Message&)>& fill, const std::string& destination);
    void receiveDarwin(sdbus::Message& message);
    void receiveDistributed(sdbus::Message& message);
    void receiveBarrier(sdbus::Message& message);
    void markDisconnected();

    Receivers m_receivers;
    std::unique_ptr<sdbus::IConnection> m_connection;
    std::unique_ptr<sdbus::IObject> m_object;
    std::vector<Slot> m_matches;
    std::map<std::pair<Channel, std::optional<std::string>>, Listening> m_listening;
    std::map<Channel, Slot> m_fallbacks;
    std::string m_lastSender;
    uint64_t m_lastCookie = 0;
    std::function<void()> m_disconnectHandler;
    std::string m_uniqueName;
    int m_fileDescriptor = -1;
    pid_t m_ownerProcess = 0;
    uint64_t m_sentCount = 0;
    uint64_t m_receivedCount = 0;
    bool m_morePending = false;
    bool m_disconnected = false;
};

}
