#pragma once
// SIGTERM, SIGINT and SIGHUP end the shell as `quit` does. The handler only
// notes the signal and writes a byte to a pipe that the main run loop polls;
// the loop stops there, and the shell winds down on its main thread: its
// applications, its bus and the bus's address file go as at any other end. A
// second signal while it winds down ends the process at once, so nobody is
// kept waiting by a shutdown that is stuck.

#include <string>

namespace sim {

// Installs the handlers and puts the pipe on the main run loop. `lastWords`
// (async-signal-safe, or null) runs in the handler just before a second
// signal ends the process. False with a reason when the pipe cannot be made.
bool catchTerminationSignals(void (*lastWords)(), std::string* error);

// The signal that asked the shell to end, or 0. Set as soon as the handler
// has run, before the run loop has heard of it.
int terminationSignal();
// "SIGTERM", "SIGINT" or "SIGHUP".
const char* signalName(int signal);

// Ends the process by `signal`'s default action, so that whoever started it
// sees how it ended (a shell script stops when its child was interrupted).
[[noreturn]] void endBySignal(int signal);

}
