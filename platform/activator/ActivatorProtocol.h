#pragma once
// How other processes (the Settings application) reach the shell's Activator
// on the bus: members of the notifications' interface, all counted, so in
// virtual time a question and its answer settle within one instant.

namespace activator::wire {

// ActivatorQuery (), broadcast by a process that wants the listeners; the
// shell answers the sender with ActivatorListeners.
inline constexpr const char* kQueryMember = "ActivatorQuery";
// ActivatorChoose (s listener, s event), broadcast: the listener gets this
// event and no other ("" for none); the shell answers the sender with
// ActivatorListeners as they now are.
inline constexpr const char* kChooseMember = "ActivatorChoose";
// ActivatorListeners (a(ssssayas)), from the shell to one process: each
// registered listener, in the order of registration: its name, group, title
// and description as it answers them, its icon as PNG bytes (none when it has
// none), and the events assigned to it.
inline constexpr const char* kListenersMember = "ActivatorListeners";

}
