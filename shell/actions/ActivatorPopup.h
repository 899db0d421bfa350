#pragma once
// ActivatorPopup, the Activator listener behind "Hide/Show Drawlet" and "Pin
// Current App". The library registers the class with the runtime as it loads;
// its class method `load` runs then and registers one instance under each
// listener name with the shared Activator.

#include "runtime/Runtime.h"

// Registers the class (and so runs its `load`) the first time; later calls
// only give the class.
Class registerActivatorPopup();

// The two actions (ActivatorActions.cpp), on the shared panel state.
void pinCurrentApp();
void toggleHidden();
