#pragma once
// The library's two load-time initialisers, run in this order.

// Registers the three Darwin observers (lock state, settings changes).
void registerObservers();

// Installs the fourteen method replacements and the eight added methods.
void installHooks();
