#include "BusConnection.h"
#include "BusProtocol.h"

#include "foundation/SystemLog.h"

#include <sdbus-c++/sdbus-c++.h>
#include <systemd/sd-bus.h>

#include <chrono>
#include <climits>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define DRAWLET_UNDER_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define DRAWLET_UNDER_SANITIZER 1
#endif
#endif

namespace notifications {

namespace {

// Messages handled per turn of the run loop, so a flood cannot starve timers.
constexpr int kMessagesPerDispatch = 256;

uint64_t monotonicMicroseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint64_t>(now.tv_sec) * 1'000'000u + static_cast<uint64_t>(now.tv_nsec) / 1000u;
}

// sdbus-c++ moves an array of bytes one element at a time, a call each: a
// megabyte then takes tens of milliseconds. sd-bus, under it, copies the
// array whole; the message's handle is reached through its protected member.
struct RawMessage : sdbus::Message {
    static sd_bus_message* of(sdbus::Message& message) { return static_cast<sd_bus_message*>(message.*(&RawMessage::msg_)); }
};

void appendByteArray(sdbus::Message& message, const std::vector<uint8_t>& bytes)
{
    int result = sd_bus_message_append_array(RawMessage::of(message), 'y', bytes.data(), bytes.size());
    if (result < 0)
        throw sdbus::Error("org.drawlet.Error.Payload", "cannot append the payload: " + std::string(std::strerror(-result)));
}

// False when the next argument is not an array of bytes.
bool readBytes(sdbus::Message& message, std::vector<uint8_t>& bytes)
{
    const void* data = nullptr;
    size_t size = 0;
    if (sd_bus_message_read_array(RawMessage::of(message), 'y', &data, &size) <= 0)
        return false;
    auto const* first = static_cast<const uint8_t*>(data);
    bytes.assign(first, first + size);
    return true;
}

std::string matchRule(const char* member)
{
    return std::string("type='signal',path='") + wire::kObjectPath + "',interface='" + wire::kInterface + "',member='" + member + "'";
}

// A match rule's value is quoted with ' and holds no escapes but one: a quote
// is written as '\'' (end the quoted part, an escaped quote, start again).
std::string quotedValue(const std::string& value)
{
    std::string quoted = "'";
    for (char c : value) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

}

BusConnection::BusConnection(Receivers receivers)
    : m_receivers(std::move(receivers))
    , m_ownerProcess(getpid())
{
}

std::unique_ptr<BusConnection> BusConnection::open(const std::string& address, Receivers receivers, std::string* error)
{
    std::unique_ptr<BusConnection> connection(new BusConnection(std::move(receivers)));
    try {
        connection->m_connection = sdbus::createSessionBusConnectionWithAddress(address);
        connection->m_connection->setMethodCallTimeout(std::chrono::milliseconds(replyTimeoutMilliseconds()));
        connection->m_object = sdbus::createObject(*connection->m_connection, wire::kObjectPath);
        connection->m_uniqueName = connection->m_connection->getUniqueName();
        connection->m_fileDescriptor = connection->m_connection->getEventLoopPollData().fd;
        connection->subscribe();
        connection->m_morePending = true;
    } catch (const std::exception& exception) {
        if (error)
            *error = exception.what();
        return nullptr;
    }
    return connection;
}

BusConnection::~BusConnection()
{
    dispatch::RunLoop::main().removeSource(this);
    // Nothing that arrives while closing is delivered any more.
    m_receivers = {};
    // A forked child shares the parent's socket: it must neither write to it
    // nor wait on it.
    if (getpid() == m_ownerProcess && m_connection)
        flush(2000);
    m_listening.clear();
    m_fallbacks.clear();
    m_matches.clear();
    m_object.reset();
    m_connection.reset();
}

int BusConnection::replyTimeoutMilliseconds()
{
#ifdef DRAWLET_UNDER_SANITIZER
    return 20'000;
#else
    return 5'000;
#endif
}

void BusConnection::subscribe()
{
    m_matches.push_back(m_connection->addMatch(matchRule(wire::kBarrierMember) + ",destination=" + quotedValue(m_uniqueName),
        [this](sdbus::Message& message) { receiveBarrier(message); }));
    // sd-bus reports a lost connection as this local signal.
    m_matches.push_back(m_connection->addMatch("type='signal',path='/org/freedesktop/DBus/Local',interface='org.freedesktop.DBus.Local',member='Disconnected'",
        [this](sdbus::Message&) { markDisconnected(); }));
}

BusConnection::Slot BusConnection::addMatch(Channel channel, const std::optional<std::string>& name)
{
    bool darwin = channel == Channel::Darwin;
    std::string rule = matchRule(darwin ? wire::kDarwinMember : wire::kDistributedMember);
    if (name)
        rule += ",arg0=" + quotedValue(*name);
    if (darwin)
        return m_connection->addMatch(rule, [this](sdbus::Message& message) { receiveDarwin(message); });
    return m_connection->addMatch(rule, [this](sdbus::Message& message) { receiveDistributed(message); });
}

void BusConnection::listen(Channel channel, const std::optional<std::string>& name)
{
    if (m_disconnected || getpid() != m_ownerProcess)
        return;
    auto& listening = m_listening[{ channel, name }];
    if (listening.count++ > 0 || m_fallbacks.contains(channel))
        return;
    // Adding a rule waits for the bus's answer; what arrives meanwhile waits
    // in the connection's queue, where a poll cannot see it.
    m_morePending = true;
    try {
        listening.match = addMatch(channel, name);
    } catch (const std::exception& exception) {
        // The bus may limit the rules of one connection: take every name of
        // this channel instead, and let the centers filter.
        CFLog(kCFLogLevelError, "notifications: cannot listen for \"%s\" alone (%s); listening for every name", name ? name->c_str() : "*", exception.what());
        try {
            m_fallbacks[channel] = addMatch(channel, std::nullopt);
        } catch (const std::exception&) {
            m_fallbacks.erase(channel);
        }
    }
}

void BusConnection::stopListening(Channel channel, const std::optional<std::string>& name)
{
    auto it = m_listening.find({ channel, name });
    if (it == m_listening.end() || --it->second.count > 0)
        return;
    m_listening.erase(it);
}

bool BusConnection::isRepeat(sdbus::Message& message)
{
    uint64_t cookie = 0;
    if (sd_bus_message_get_cookie(RawMessage::of(message), &cookie) < 0)
        return false;
    std::string sender = message.getSender();
    if (cookie == m_lastCookie && sender == m_lastSender)
        return true;
    m_lastCookie = cookie;
    m_lastSender = std::move(sender);
    return false;
}

BusConnection::SendResult BusConnection::emit(const char* member, const std::function<void(sdbus::Message&)>& fill, const std::string& destination)
{
    if (m_disconnected || getpid() != m_ownerProcess)
        return SendResult::Disconnected;
    try {
        auto signal = m_object->createSignal(wire::kInterface, member);
        fill(signal);
        if (!destination.empty())
            signal.setDestination(destination);
        signal.send();
        return SendResult::Sent;
    } catch (const std::exception& exception) {
        // A dead socket makes the connection unusable; anything else (a name
        // that is not UTF-8, a full queue) refuses this one message only.
        try {
            (void)m_connection->getEventLoopPollData();
        } catch (const std::exception&) {
            markDisconnected();
            return SendResult::Disconnected;
        }
        CFLog(kCFLogLevelError, "notifications: could not send a %s signal: %s", member, exception.what());
        return SendResult::Refused;
    }
}

BusConnection::SendResult BusConnection::sendDarwin(const std::string& name)
{
    auto result = emit(wire::kDarwinMember, [&](sdbus::Message& message) { message << name; }, {});
    if (result == SendResult::Sent)
        ++m_sentCount;
    return result;
}

BusConnection::SendResult BusConnection::sendDistributed(const std::string& name, const std::vector<uint8_t>& payload, bool deliverImmediately)
{
    auto result = emit(wire::kDistributedMember, [&](sdbus::Message& message) {
        message << name;
        appendByteArray(message, payload);
        message << deliverImmediately;
    },
        {});
    if (result == SendResult::Sent)
        ++m_sentCount;
    return result;
}

BusConnection::SendResult BusConnection::sendBarrier(const std::string& token)
{
    return emit(
        wire::kBarrierMember, [&](sdbus::Message& message) { message << token; }, m_uniqueName);
}

bool BusConnection::handleSignal(const std::string& member, Addressing addressing, SignalHandler handler, bool counted)
{
    if (m_disconnected || getpid() != m_ownerProcess)
        return false;
    std::string rule = matchRule(member.c_str());
    if (addressing == Addressing::ToThisConnection)
        rule += ",destination=" + quotedValue(m_uniqueName);
    m_morePending = true;
    try {
        m_matches.push_back(m_connection->addMatch(rule, [this, handler = std::move(handler), counted](sdbus::Message& message) {
            if (counted)
                ++m_receivedCount;
            try {
                handler(message);
            } catch (const std::exception& exception) {
                // Whatever arrives comes from any process on the bus.
                CFLog(kCFLogLevelError, "notifications: dropped a malformed %s signal from %s: %s", message.getMemberName().c_str(),
                    message.getSender().c_str(), exception.what());
            }
        }));
    } catch (const std::exception& exception) {
        CFLog(kCFLogLevelError, "notifications: cannot listen for %s signals: %s", member.c_str(), exception.what());
        return false;
    }
    return true;
}

BusConnection::SendResult BusConnection::sendSignal(const std::string& member, const std::string& destination,
    const std::function<void(sdbus::Message&)>& fill, bool counted)
{
    auto result = emit(member.c_str(), fill, destination);
    if (result == SendResult::Sent && counted)
        ++m_sentCount;
    return result;
}

void BusConnection::receiveDarwin(sdbus::Message& message)
{
    if (isRepeat(message))
        return;
    std::string name;
    try {
        message >> name;
    } catch (const std::exception& exception) {
        CFLog(kCFLogLevelError, "notifications: dropped a malformed Darwin signal from %s: %s", message.getSender().c_str(), exception.what());
        return;
    }
    if (!message) {
        CFLog(kCFLogLevelError, "notifications: dropped a Darwin signal without a name from %s", message.getSender().c_str());
        return;
    }
    ++m_receivedCount;
    if (m_receivers.darwin)
        m_receivers.darwin(std::move(name));
}

void BusConnection::receiveDistributed(sdbus::Message& message)
{
    if (isRepeat(message))
        return;
    std::string name;
    std::vector<uint8_t> payload;
    bool deliverImmediately = false;
    bool whole = false;
    try {
        message >> name;
        whole = message && readBytes(message, payload) && (message >> deliverImmediately);
    } catch (const std::exception&) {
        whole = false;
    }
    if (!whole) {
        CFLog(kCFLogLevelError, "notifications: dropped a malformed distributed signal from %s (its arguments are not: name, payload bytes, flag)",
            message.getSender().c_str());
        return;
    }
    ++m_receivedCount;
    if (m_receivers.distributed)
        m_receivers.distributed(std::move(name), std::move(payload), deliverImmediately);
}

void BusConnection::receiveBarrier(sdbus::Message& message)
{
    std::string token;
    try {
        message >> token;
    } catch (const std::exception&) {
        return;
    }
    if (m_receivers.barrier)
        m_receivers.barrier(std::move(token));
}

bool BusConnection::processAvailable(int limit)
{
    if (m_disconnected)
        return false;
    bool any = false;
    m_morePending = false;
    try {
        for (int handled = 0; !m_disconnected; ++handled) {
            if (handled == limit) {
                m_morePending = true;
                break;
            }
            if (!m_connection->processPendingRequest())
                break;
            any = true;
        }
    } catch (const std::exception&) {
        markDisconnected();
    }
    return any;
}

void BusConnection::pump(int timeoutMilliseconds)
{
    if (m_disconnected || processAvailable(INT_MAX))
        return;
    pollfd descriptor { m_fileDescriptor, events(), 0 };
    int64_t busTimeout = timeoutNanoseconds();
    if (busTimeout >= 0)
        timeoutMilliseconds = std::min<int64_t>(timeoutMilliseconds, (busTimeout + 999'999) / 1'000'000);
    ::poll(&descriptor, 1, timeoutMilliseconds);
    processAvailable(INT_MAX);
}

bool BusConnection::flush(int timeoutMilliseconds)
{
    if (m_disconnected || getpid() != m_ownerProcess)
        return false;
    // Writing everything out is not enough: a daemon that finds the socket
    // closed may drop what it has not read yet. It handles one connection's
    // messages in order, so its answer to a call sent last means it has read
    // (and routed) everything before it.
    try {
        auto daemon = sdbus::createProxy(*m_connection, "org.freedesktop.DBus", "/org/freedesktop/DBus");
        std::string identifier;
        daemon->callMethod("GetId").onInterface("org.freedesktop.DBus").withTimeout(std::chrono::milliseconds(timeoutMilliseconds)).storeResultsTo(identifier);
    } catch (const std::exception&) {
        return false;
    }
    // As in listen: what arrived during the call is handled on the next turn.
    m_morePending = true;
    return true;
}

short BusConnection::events() const
{
    try {
        return m_connection->getEventLoopPollData().events;
    } catch (const std::exception&) {
        // Let the poll report the hang-up; dispatch then finds the bus gone.
        return POLLIN;
    }
}

int64_t BusConnection::timeoutNanoseconds() const
{
    if (m_disconnected)
        return -1;
    if (m_morePending)
        return 0;
    uint64_t due = 0;
    try {
        due = m_connection->getEventLoopPollData().timeout_usec;
    } catch (const std::exception&) {
        return 0;
    }
    if (due == UINT64_MAX)
        return -1;
    uint64_t now = monotonicMicroseconds();
    return due <= now ? 0 : static_cast<int64_t>(due - now) * 1000;
}

void BusConnection::dispatch(short)
{
    processAvailable(kMessagesPerDispatch);
}

void BusConnection::markDisconnected()
{
    if (m_disconnected)
        return;
    m_disconnected = true;
    m_morePending = false;
    dispatch::RunLoop::main().removeSource(this);
    if (m_disconnectHandler)
        dispatch::RunLoop::main().post(m_disconnectHandler);
}

}

// The platform compiles in batches: the macro must not reach the next file.
#undef DRAWLET_UNDER_SANITIZER
