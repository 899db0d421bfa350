#pragma once
// The client's two load-time steps, run in this order.

namespace client {

// Registers the two distributed observers.
void registerObservers();

// Installs the four method replacements, logging a line for each whose class
// the process lacks.
void installHooks();

}
