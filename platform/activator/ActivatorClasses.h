#pragma once
// Activator in one include, with the area's registration and reset.

#include "ActivatorRemote.h"
#include "ActivatorService.h"
#include "DeviceEvents.h"
#include "LAActivator.h"
#include "LAEvent.h"
#include "LAListener.h"

namespace activator {

// Registers LAActivator and LAEvent and makes the shared Activator; safe to
// call more than once.
void registerClasses();

// A fresh shared Activator (its settings file read again on first use) and
// no remote answers; for tests.
void reset();

}
