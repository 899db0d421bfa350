#pragma once
// What the library's load-time initialisers do once the listener class is
// registered (core/Initializers.cpp), in this order.

// Registers the three Darwin observers (lock state, settings changes).
void registerObservers();

// Installs the fourteen method replacements and the eight added methods.
void installHooks();
