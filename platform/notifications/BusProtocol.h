#pragma once
// How notifications look on the bus. Names travel as arguments, never as
// member names: they hold characters ('/', '-', '%') that D-Bus member names
// may not, and one match rule per member then covers every name.

namespace notifications::wire {

inline constexpr const char* kObjectPath = "/org/drawlet/Notifications";
inline constexpr const char* kInterface = "org.drawlet.Notifications";

// Darwin (s name): a name and nothing else.
inline constexpr const char* kDarwinMember = "Darwin";
// Distributed (s name, ay payload, b deliverImmediately): the payload is the
// user info as a binary property list; empty means an empty user info.
inline constexpr const char* kDistributedMember = "Distributed";
// Barrier (s token): addressed to its own sender, so its return proves that
// everything the sender emitted before it has been routed back as well.
inline constexpr const char* kBarrierMember = "Barrier";

// The clock's lock-step in virtual time. Tick (t round, x nanoseconds): the
// leader's instant, addressed to each follower. Tock (t round, t sent,
// x nextDue): a follower's answer to the leader once it has run everything due
// by then: the counted signals it sent since its last answer, and the instant
// of its next timer (-1 for none). A Tick of round 0 only moves the
// follower's clock and wants no answer: the leader sends it as soon as its
// clock has moved, so that what it sends at the new instant arrives there.
inline constexpr const char* kTickMember = "Tick";
inline constexpr const char* kTockMember = "Tock";

}
